#pragma once
#include <QApplication>

// The one application of the test program (never destroyed: Qt's input
// devices outlive a static application badly).
inline QApplication& testApp() {
  static int argc = 1;
  static char name[] = "editor_selectors_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
