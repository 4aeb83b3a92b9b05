// Dock and tool-window properties whose setters change the frames, the layout or
// where a window may go.
#include <gtest/gtest.h>

#include "tests/toolbars/toolbar_form.h"
#include "toolbars/TBZTlwn/TBZTlwn.h"

using namespace tbz;

namespace {
struct Properties : ToolbarForm {
  QPoint firstControl() { return bar->OrderList()[0]->pos(); }
  void dragTo(QPoint from, QPoint to) {
    sendMouse(bar, QEvent::MouseButtonPress, from);
    sendMouse(bar, QEvent::MouseMove, to);
    sendMouse(bar, QEvent::MouseButtonRelease, to);
  }
};
}  // namespace

TEST_F(Properties, DockedFrameFollowsHandleCloseButtonAndAllowDrag) {
  struct Case { TDragHandleStyle style; bool closeWhenDocked, allowDrag; int left; };
  const Case cases[] = {
      {dhDouble, false, true, 2 + 9}, {dhSingle, false, true, 2 + 6}, {dhNone, false, true, 2},
      {dhNone, true, true, 2 + 14},   {dhDouble, true, false, 2},
  };
  for (const Case& c : cases) {
    bar->SetDragHandleStyle(c.style);
    bar->SetCloseButtonWhenDocked(c.closeWhenDocked);
    top->SetAllowDrag(c.allowDrag);
    EXPECT_EQ(firstControl(), QPoint(c.left, 2)) << c.style << c.closeWhenDocked << c.allowDrag;
    EXPECT_EQ(bar->width(), c.left + 69 + 2);
    EXPECT_EQ(bar->CloseButtonRect().isEmpty(), !(c.closeWhenDocked && c.allowDrag));
  }
  // In a left dock the handle goes on top.
  top->SetAllowDrag(true);
  bar->SetDockedTo(left);
  EXPECT_EQ(firstControl(), QPoint(2, 2 + 14));
}

TEST_F(Properties, WithoutAllowDragNothingDragsAndTheDockTakesNothing) {
  top->SetAllowDrag(false);
  sendMouse(bar, QEvent::MouseButtonPress, bar->mapToGlobal(QPoint(1, 10)));
  EXPECT_FALSE(bar->Dragging());
  sendMouse(bar, QEvent::MouseButtonRelease, bar->mapToGlobal(QPoint(1, 10)));

  top->SetAllowDrag(true);
  left->SetAllowDrag(false);
  dragTo(bar->mapToGlobal(QPoint(4, 10)), left->mapToGlobal(QPoint(0, 40)));
  EXPECT_EQ(bar->DockedTo(), nullptr);
}

TEST_F(Properties, DockableToLimitsTheDocksADragLandsIn) {
  bar->SetDockableTo(kDockableToAll & ~(1u << dpLeft));
  dragTo(bar->mapToGlobal(QPoint(4, 10)), left->mapToGlobal(QPoint(0, 40)));
  EXPECT_EQ(bar->DockedTo(), nullptr);
  bar->SetDockableTo(kDockableToAll);
  dragTo(bar->mapToGlobal(QPoint(10, 4)), left->mapToGlobal(QPoint(0, 40)));
  EXPECT_EQ(bar->DockedTo(), left);
}

TEST_F(Properties, BoundLinesTakeAPixelEachOnlyWhileTheDockHoldsAWindow) {
  top->SetBoundLines(blTop | blBottom | blLeft | blRight);
  EXPECT_EQ(top->height(), 26 + 2);
  EXPECT_EQ(bar->pos(), QPoint(1, 1));
  EXPECT_EQ(top->InnerLength(), 600 - 2);
  bar->SetDockPos(1000);  // pushed back against the right line
  EXPECT_EQ(bar->geometry().right(), 600 - 2);
  bar->SetDockedTo(left);
  EXPECT_EQ(top->height(), 0);
}

TEST_F(Properties, WithoutUseLastDockAFloatingWindowLeavesItsDock) {
  bar->SetUseLastDock(false);
  EXPECT_EQ(bar->LastDock(), nullptr);
  bar->SetDockedTo(nullptr);
  EXPECT_TRUE(top->WindowList().empty());
  // A double click has nowhere to dock it until a default dock is given.
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(10, 10), QPointF(bar->mapToGlobal(QPoint(10, 10))),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &dbl);
  EXPECT_EQ(bar->DockedTo(), nullptr);
  bar->SetDefaultDock(left);
  QApplication::sendEvent(bar, &dbl);
  EXPECT_EQ(bar->DockedTo(), left);

  // Turned on again, the dock it sits in is its last dock and keeps its slot.
  bar->SetUseLastDock(true);
  EXPECT_EQ(bar->LastDock(), left);
  bar->SetDockedTo(nullptr);
  EXPECT_EQ(left->WindowList().size(), 1u);
  EXPECT_TRUE(left->VisibleList().empty());
}

TEST_F(Properties, AToolWindowPlacedNowhereIsAllClientUntilDocked) {
  auto* tw = new TToolWindowZ(nullptr);
  EXPECT_EQ(tw->size(), QSize(32, 32));
  EXPECT_EQ(tw->ClientAreaWidth(), 32);
  tw->SetClientAreaWidth(50);
  tw->SetClientAreaHeight(70);
  EXPECT_EQ(tw->size(), QSize(50, 70));
  EXPECT_EQ(tw->StoredClientSize(), QSize(50, 70));
  tw->SetDockedTo(left);
  EXPECT_EQ(left->width(), 50 + 4);
  EXPECT_EQ(tw->ClientAreaWidth(), 50);
  EXPECT_EQ(tw->ClientAreaHeight(), 70);
}

TEST_F(Properties, PositionDataReadBackIsKeptToSaneSizes) {
  auto* tw = new TToolWindowZ(&form);
  tw->SetHideWhenInactive(false);
  struct Case { int stored, width, floatRightX; };
  const Case cases[] = {{150, 150, 150}, {-5, 32, 0}, {INT32_MAX, kMaxWindowSize, kMaxWindowSize}};
  for (const Case& c : cases) {
    auto read = [&](const QString&, const QString&, int) { return c.stored; };
    tw->ReadPositionData(read);
    EXPECT_EQ(tw->ClientAreaWidth(), c.width) << c.stored;
    EXPECT_EQ(tw->ClientAreaHeight(), c.width) << c.stored;
    bar->ReadPositionData(read);
    EXPECT_EQ(bar->FloatRightX(), c.floatRightX) << c.stored;
  }
  // Written back under the window's name, width first.
  tw->setObjectName("tbObjects");
  std::vector<std::string> written;
  tw->WritePositionData([&](const QString& section, const QString& key, int value) {
    written.push_back((section + "." + key + "=" + QString::number(value)).toStdString());
  });
  EXPECT_EQ(written, (std::vector<std::string>{"tbObjects.ClientWidth=32767", "tbObjects.ClientHeight=32767"}));
}
