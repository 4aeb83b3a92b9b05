// Which presses start a drag or a sizing, how the loops end, where a floating
// window goes back to, docks on further forms and docks that keep their far edge.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "tests/toolbars/toolbar_form.h"
#include "toolbars/TBZTlwn/TBZTlwn.h"

using namespace tbz;

namespace {
struct DragRules : ToolbarForm {
  void dragTo(TCustomToolWindowZ* w, QPoint from, QPoint to) {
    sendMouse(w, QEvent::MouseButtonPress, from);
    sendMouse(w, QEvent::MouseMove, to);
    sendMouse(w, QEvent::MouseButtonRelease, to);
  }
  void doubleClick(TCustomToolWindowZ* w, QPoint local) {
    QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(local), QPointF(w->mapToGlobal(local)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  void key(QWidget* w, int k) {
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  QPoint middle() { return form.mapToGlobal(QPoint(300, 200)); }
};
}  // namespace

TEST_F(DragRules, PressOnAChildDoesNotDragButOnASeparatorDoes) {
  // A plain child and a disabled one pass the press on to the toolbar.
  QWidget* child = bar->OrderList()[0];
  for (bool enabled : {true, false}) {
    child->setEnabled(enabled);
    sendMouse(child, QEvent::MouseButtonPress, child->mapToGlobal(QPoint(5, 5)));
    EXPECT_FALSE(bar->Dragging()) << "enabled " << enabled;
    sendMouse(child, QEvent::MouseButtonRelease, child->mapToGlobal(QPoint(5, 5)));
  }
  auto* sep = new TToolbarSepZ(bar);
  sendMouse(bar, QEvent::MouseButtonPress, sep->mapToGlobal(QPoint(2, 5)));
  EXPECT_TRUE(bar->Dragging());
  key(bar, Qt::Key_Escape);
  // The drag handle itself drags.
  sendMouse(bar, QEvent::MouseButtonPress, bar->mapToGlobal(QPoint(4, 10)));
  EXPECT_TRUE(bar->Dragging());
}

TEST_F(DragRules, FloatingPositionIsRememberedWhileDocked) {
  dragTo(bar, bar->mapToGlobal(QPoint(4, 10)), middle());
  ASSERT_EQ(bar->DockedTo(), nullptr);
  // The grab point keeps its proportional place in the 85x49 floating window.
  EXPECT_EQ(bar->pos(), middle() - QPoint(4, 19));
  bar->move(bar->pos() + QPoint(20, 10));  // moved by the program while floating
  const QPoint floated = bar->pos();
  EXPECT_EQ(bar->FloatingPosition(), floated);

  doubleClick(bar, QPoint(10, 10));  // back into its last dock
  ASSERT_EQ(bar->DockedTo(), top);
  doubleClick(bar, QPoint(4, 10));  // and out to where it floated
  ASSERT_EQ(bar->DockedTo(), nullptr);
  EXPECT_EQ(bar->pos(), floated);
}

TEST_F(DragRules, LoopsEndOnEscOrAnotherLeftPressAndIgnoreOtherButtons) {
  // Another left press cancels: the toolbar stays where it was.
  sendMouse(bar, QEvent::MouseButtonPress, bar->mapToGlobal(QPoint(4, 10)));
  sendMouse(bar, QEvent::MouseMove, middle());
  sendMouse(bar, QEvent::MouseButtonPress, middle());
  EXPECT_FALSE(bar->Dragging());
  sendMouse(bar, QEvent::MouseButtonRelease, middle());
  EXPECT_EQ(bar->DockedTo(), top);

  // Right and middle presses are swallowed; the release still drops.
  bar->RunDragLoop(0, 8);  // started by the program, from a client point
  ASSERT_TRUE(bar->Dragging());
  sendMouse(bar, QEvent::MouseMove, middle());
  sendMouse(bar, QEvent::MouseButtonPress, middle(), Qt::RightButton);
  sendMouse(bar, QEvent::MouseButtonPress, middle(), Qt::MiddleButton);
  EXPECT_TRUE(bar->Dragging());
  sendMouse(bar, QEvent::MouseButtonRelease, middle());
  EXPECT_EQ(bar->DockedTo(), nullptr);

  // The sizing loop ends the same way and leaves the size alone.
  const QRect before = bar->geometry();
  QPoint edge = bar->mapToGlobal(QPoint(bar->width() - 2, bar->height() / 2));
  sendMouse(bar, QEvent::MouseButtonPress, edge);
  ASSERT_TRUE(bar->Sizing());
  sendMouse(bar, QEvent::MouseMove, edge - QPoint(40, 0));
  sendMouse(bar, QEvent::MouseButtonPress, edge - QPoint(40, 0));
  EXPECT_FALSE(bar->Sizing());
  sendMouse(bar, QEvent::MouseButtonRelease, edge - QPoint(40, 0));
  EXPECT_EQ(bar->geometry(), before);
}

TEST_F(DragRules, OnlyTheFrameBandsOfAFloatingWindowSize) {
  auto* tw = new TToolWindowZ(&form);
  tw->SetHideWhenInactive(false);
  tw->SetFloatingPosition(QPoint(300, 250));
  tw->SetClientAreaWidth(100);
  tw->SetClientAreaHeight(100);
  // Frame 4, caption 16: the window is 108 x 124 with its client at (4, 20).
  ASSERT_EQ(tw->size(), QSize(108, 124));
  struct Case { QPoint at; bool sizing; const char* what; };
  const Case cases[] = {
      {{50, 120}, true, "bottom band"},         {{104, 60}, true, "right band"},
      {{50, 119}, false, "last client row"},    {{103, 60}, false, "last client column"},
      {{1, 60}, true, "left band"},             {{50, 1}, true, "top band"},
      {{50, 10}, false, "caption"},             {{106, 122}, true, "bottom-right corner"},
  };
  for (const Case& c : cases) {
    sendMouse(tw, QEvent::MouseButtonPress, tw->mapToGlobal(c.at));
    EXPECT_EQ(tw->Sizing(), c.sizing) << c.what;
    EXPECT_EQ(tw->Dragging(), !c.sizing) << c.what;
    key(tw, Qt::Key_Escape);
    sendMouse(tw, QEvent::MouseButtonRelease, tw->mapToGlobal(c.at));
  }
}

TEST_F(DragRules, DocksOfFurtherFormsTakeTheWindowOnlyWhenAdded) {
  QWidget other;
  other.setGeometry(150, 540, 300, 50);
  auto* otherTop = new TDockZ(&other, dpTop);
  otherTop->setGeometry(0, 0, 300, 0);
  otherTop->setFixedWidth(300);
  other.show();
  const QPoint overOther = other.mapToGlobal(QPoint(100, 1));

  dragTo(bar, bar->mapToGlobal(QPoint(4, 10)), overOther);
  EXPECT_EQ(bar->DockedTo(), nullptr);  // not a target yet: it floats

  bar->AddDockForm(&other);
  dragTo(bar, bar->mapToGlobal(QPoint(10, 4)), overOther);
  EXPECT_EQ(bar->DockedTo(), otherTop);
  // Floated from there, it goes over the form that held its dock.
  doubleClick(bar, QPoint(4, 10));
  EXPECT_EQ(bar->OwnerForm(), &other);

  bar->SetDockedTo(top);
  bar->RemoveDockForm(&other);
  dragTo(bar, bar->mapToGlobal(QPoint(4, 10)), overOther);
  EXPECT_EQ(bar->DockedTo(), nullptr);
  bar->SetDockedTo(top);  // home again before the other form goes
}

TEST(DockEdges, BottomAndRightDocksKeepTheirFarEdge) {
  testApp();
  QWidget form;
  form.resize(400, 300);
  auto* bottom = new TDockZ(&form, dpBottom);
  auto* right = new TDockZ(&form, dpRight);
  bottom->setGeometry(0, 300, 400, 0);
  bottom->setFixedWidth(400);
  right->setGeometry(400, 0, 0, 300);
  right->setFixedHeight(300);
  for (TDockZ* dock : {bottom, right}) {
    auto* bar = new TToolbarZ(dock);
    (new QWidget(bar))->resize(23, 22);
    bar->Rearrange();
  }
  EXPECT_EQ(bottom->geometry(), QRect(0, 274, 400, 26));
  EXPECT_EQ(right->geometry(), QRect(373, 0, 27, 300));
  for (TDockZ* dock : {bottom, right}) delete dock->VisibleList().front();
  EXPECT_EQ(bottom->geometry(), QRect(0, 300, 400, 0));
  EXPECT_EQ(right->geometry(), QRect(400, 0, 0, 300));
}

TEST_F(DragRules, FloatingToolbarSizesInStepsAndHoldsStillNearItsSize) {
  for (int i = 0; i < 3; ++i) {
    auto* b = new QWidget(bar);
    b->resize(23, 22);
    b->show();
  }
  bar->SetDockedTo(nullptr);
  bar->SetFloatingPosition(QPoint(200, 200));
  bar->SetFloatRightX(77);  // three buttons a line
  ASSERT_EQ(bar->size(), QSize(85, 71));
  auto sizeBy = [&](int dx) {
    QPoint edge = bar->mapToGlobal(QPoint(bar->width() - 2, 35));
    sendMouse(bar, QEvent::MouseButtonPress, edge);
    EXPECT_TRUE(bar->Sizing());
    sendMouse(bar, QEvent::MouseMove, edge + QPoint(dx, 0));
    sendMouse(bar, QEvent::MouseButtonRelease, edge + QPoint(dx, 0));
  };
  struct Case { int dx; QSize size; int floatRightX; const char* what; };
  const Case cases[] = {
      {5, {85, 71}, 77, "a little wider holds still"},
      {-20, {62, 93}, 54, "narrower takes the widest step that fits"},
      {100, {154, 49}, 0, "past every step: one line"},
  };
  for (const Case& c : cases) {
    sizeBy(c.dx);
    EXPECT_EQ(bar->size(), c.size) << c.what;
    EXPECT_EQ(bar->FloatRightX(), c.floatRightX) << c.what;
  }
  // One line, three, two and one button a line, as window sizes.
  const std::vector<QSize> steps{{154, 49}, {85, 71}, {62, 93}, {39, 159}};
  EXPECT_EQ(bar->SizingSteps(), steps);
}

// A floating window does not keep the activation: activated, it passes it on
// to its form at once; a press on it raises it and leaves the form active.
TEST_F(DragRules, AFloatingWindowPassesItsActivationToItsForm) {
  bar->SetDockedTo(nullptr);
  bar->SetFloatingPosition(QPoint(300, 300));
  ASSERT_TRUE(bar->isVisible());
  for (bool activateParent : {true, false}) {
    SCOPED_TRACE(activateParent ? "ActivateParent" : "no ActivateParent");
    bar->SetActivateParent(activateParent);
    bar->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &form; }, 1000));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &form);
    sendMouse(bar, QEvent::MouseButtonPress, bar->mapToGlobal(QPoint(20, 10)));
    key(bar, Qt::Key_Escape);  // ends the drag the press began
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &form);
    sendMouse(bar, QEvent::MouseButtonRelease, bar->mapToGlobal(QPoint(20, 10)));
  }
}
