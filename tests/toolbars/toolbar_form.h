#pragma once
// A form with a top and a left dock and, in the top dock, a toolbar of three
// 23x22 controls.
#include <gtest/gtest.h>

#include "tests/toolbars/test_main_app.h"
#include "toolbars/TBZTlbr/TBZTlbr.h"

struct ToolbarForm : ::testing::Test {
  QApplication& app = testApp();
  QWidget form;
  tbz::TDockZ* top = nullptr;
  tbz::TDockZ* left = nullptr;
  tbz::TToolbarZ* bar = nullptr;
  void SetUp() override {
    form.setGeometry(100, 100, 600, 400);
    top = new tbz::TDockZ(&form, tbz::dpTop);
    left = new tbz::TDockZ(&form, tbz::dpLeft);
    top->setGeometry(0, 0, 600, 0);
    left->setGeometry(0, 100, 0, 300);
    top->setFixedWidth(600);
    left->setFixedHeight(300);
    bar = new tbz::TToolbarZ(top);
    bar->SetHideWhenInactive(false);
    for (int i = 0; i < 3; ++i) new QWidget(bar);
    for (QWidget* w : bar->OrderList()) w->resize(23, 22);
    form.show();
  }
};
