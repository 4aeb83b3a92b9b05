// Docks, toolbars and tool windows as widgets: docking, dragging, sizing, errors.
#include <gtest/gtest.h>

#include <QPointer>
#include <QVBoxLayout>

#include "tests/toolbars/toolbar_form.h"
#include "toolbars/TBZTlbr/TBZTlbr.h"
#include "toolbars/TBZTlwn/TBZTlwn.h"

using namespace tbz;

namespace {
struct Form : ToolbarForm {};
}  // namespace

TEST_F(Form, DockedToolbarSizesDockToItsRow) {
  EXPECT_EQ(bar->DockedTo(), top);
  EXPECT_EQ(top->RowSizes().size(), 1u);
  EXPECT_EQ(top->RowSizes()[0], 22);
  EXPECT_EQ(top->height(), 26);
  // Handle (9) and the 2-pixel frame lead the buttons.
  EXPECT_EQ(bar->OrderList()[0]->x(), 11);
  EXPECT_EQ(bar->width(), 11 + 69 + 2);
  EXPECT_EQ(left->width(), 0);  // empty dock
}

TEST_F(Form, DragFromDockToDockAndToFloating) {
  QPoint grab = bar->mapToGlobal(QPoint(4, 10));
  sendMouse(bar, QEvent::MouseButtonPress, grab);
  ASSERT_TRUE(bar->Dragging());
  // Onto the empty left dock (zero width, still a target).
  QPoint overLeft = left->mapToGlobal(QPoint(0, 40));
  sendMouse(bar, QEvent::MouseMove, overLeft);
  sendMouse(bar, QEvent::MouseButtonRelease, overLeft);
  EXPECT_EQ(bar->DockedTo(), left);
  EXPECT_EQ(top->height(), 0);
  EXPECT_EQ(left->width(), 23 + 4);
  EXPECT_EQ(bar->OrderList()[1]->y(), 11 + 22);  // laid out downwards

  // Out into the middle of the form: floats.
  grab = bar->mapToGlobal(QPoint(10, 4));
  sendMouse(bar, QEvent::MouseButtonPress, grab);
  QPoint middle = form.mapToGlobal(QPoint(300, 200));
  sendMouse(bar, QEvent::MouseMove, middle);
  sendMouse(bar, QEvent::MouseButtonRelease, middle);
  EXPECT_EQ(bar->DockedTo(), nullptr);
  EXPECT_TRUE(bar->isWindow());
  EXPECT_EQ(bar->LastDock(), left);  // the last dock keeps its slot
  EXPECT_EQ(left->width(), 0);
  EXPECT_EQ(bar->contentsRect().width(), 4 + 69 + 4);

  // A double click docks it back to its last dock.
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(bar->mapToGlobal(QPoint(5, 5))),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &dbl);
  EXPECT_EQ(bar->DockedTo(), left);
}

TEST_F(Form, CtrlFloatsEvenOverADockAndEscCancels) {
  QPoint grab = bar->mapToGlobal(QPoint(4, 10));
  sendMouse(bar, QEvent::MouseButtonPress, grab);
  sendMouse(bar, QEvent::MouseMove, grab + QPoint(3, 0), Qt::LeftButton, Qt::ControlModifier);
  sendMouse(bar, QEvent::MouseButtonRelease, grab + QPoint(3, 0), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(bar->DockedTo(), nullptr);

  QPoint g2 = bar->mapToGlobal(QPoint(10, 10));
  sendMouse(bar, QEvent::MouseButtonPress, g2);
  sendMouse(bar, QEvent::MouseMove, top->mapToGlobal(QPoint(50, 0)));
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(bar, &esc);
  EXPECT_FALSE(bar->Dragging());
  sendMouse(bar, QEvent::MouseButtonRelease, top->mapToGlobal(QPoint(50, 0)));
  EXPECT_EQ(bar->DockedTo(), nullptr);
}

TEST_F(Form, CannotFloatReturnsToItsPlace) {
  bar->SetDockMode(dmCannotFloat);
  QPoint grab = bar->mapToGlobal(QPoint(4, 10));
  sendMouse(bar, QEvent::MouseButtonPress, grab);
  QPoint middle = form.mapToGlobal(QPoint(300, 200));
  sendMouse(bar, QEvent::MouseMove, middle);
  EXPECT_EQ(bar->cursor().shape(), Qt::ForbiddenCursor);
  sendMouse(bar, QEvent::MouseButtonRelease, middle);
  EXPECT_EQ(bar->DockedTo(), top);
}

TEST_F(Form, DropNearRowBoundaryMakesNewRow) {
  auto* second = new TToolbarZ(top);
  (new QWidget(second))->show();
  second->OrderList()[0]->resize(23, 22);
  EXPECT_EQ(second->DockRow(), 0);
  QPoint grab = second->mapToGlobal(QPoint(4, 12));
  sendMouse(second, QEvent::MouseButtonPress, grab);
  // Below the bottom edge of row 0: a new row 1.
  QPoint below = top->mapToGlobal(QPoint(200, 25));
  sendMouse(second, QEvent::MouseMove, below);
  sendMouse(second, QEvent::MouseButtonRelease, below);
  EXPECT_EQ(second->DockedTo(), top);
  EXPECT_EQ(second->DockRow(), 1);
  EXPECT_EQ(top->height(), 52);
}

TEST_F(Form, SeparatorPressDragsTheToolbar) {
  auto* sep = new TToolbarSepZ(bar);
  EXPECT_TRUE(sep->testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_EQ(bar->OrderList().back(), sep);
  EXPECT_EQ(sep->width(), 6);
  EXPECT_EQ(sep->height(), 22);
}

TEST_F(Form, FixedErrorMessages) {
  auto message = [](auto&& f) {
    try {
      f();
    } catch (const EInvalidOperation& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { new TDockZ(bar); }), "A TDockZ control cannot be placed inside a tool window or another TDockZ");
  EXPECT_EQ(message([&] { new TDockZ(top); }), "A TDockZ control cannot be placed inside a tool window or another TDockZ");
  EXPECT_EQ(message([&] { top->SetPosition(dpBottom); }), "Cannot change Position of a TDockZ if it already contains controls");
  EXPECT_EQ(message([&] { left->SetPosition(dpRight); }), "no error");
  QWidget plain(&form);
  EXPECT_EQ(message([&] { new TToolbarZ(&plain); }), "A tool window can only be placed on a TDockZ or directly on the form");
  EXPECT_EQ(message([&] { new TToolbarSepZ(&plain); }), "TToolbarSepZ can only be placed on a TToolbarZ");
  EXPECT_STREQ(top->Version(), "TBZ toolbars version 1.0");
  // A dock on no form gives its windows nowhere to float to; the window stays docked.
  TDockZ loose(nullptr, dpTop);
  auto* orphan = new TToolbarZ(&loose);
  orphan->setObjectName("tbOrphan");
  EXPECT_EQ(message([&] { orphan->SetDockedTo(nullptr); }), "Control 'tbOrphan' has no parent window");
  EXPECT_EQ(orphan->DockedTo(), &loose);
}

// A dock that goes takes the windows docked in it along; a window that floated
// out of it forgets it as its last dock and stays a window of its form, and a
// window that goes leaves the dock's lists.
TEST_F(Form, DestroyingADockTakesItsWindowsAndIsForgottenByTheRest) {
  QPointer<TToolWindowZ> dockedLeft = new TToolWindowZ(left);
  delete left;
  left = nullptr;
  EXPECT_TRUE(dockedLeft.isNull());

  auto* second = new TToolWindowZ(top);
  ASSERT_EQ(top->WindowList().size(), 2u);
  delete second;
  EXPECT_EQ(top->WindowList(), std::vector<TCustomToolWindowZ*>{bar});
  EXPECT_EQ(top->VisibleList(), std::vector<TCustomToolWindowZ*>{bar});

  bar->SetDockedTo(nullptr);
  ASSERT_EQ(bar->LastDock(), top);
  EXPECT_EQ(top->WindowList(), std::vector<TCustomToolWindowZ*>{bar});  // the dock keeps its slot
  EXPECT_TRUE(top->VisibleList().empty());
  delete top;
  top = nullptr;
  EXPECT_EQ(bar->LastDock(), nullptr);
  EXPECT_EQ(bar->DockedTo(), nullptr);
  EXPECT_TRUE(bar->isWindow());
  EXPECT_EQ(bar->parentWidget(), &form);

  // Docked again elsewhere, it is in that dock's lists alone.
  auto* bottom = new TDockZ(&form, dpBottom);
  bottom->setFixedWidth(600);
  bar->SetDockedTo(bottom);
  EXPECT_EQ(bar->DockedTo(), bottom);
  EXPECT_EQ(bar->parentWidget(), bottom);
  EXPECT_EQ(bottom->WindowList(), std::vector<TCustomToolWindowZ*>{bar});
  EXPECT_EQ(bottom->VisibleList(), std::vector<TCustomToolWindowZ*>{bar});
}

TEST_F(Form, ToolWindowKeepsClientSizeAcrossDocking) {
  auto* tw = new TToolWindowZ(&form);
  tw->SetHideWhenInactive(false);
  tw->SetClientAreaWidth(120);
  tw->SetClientAreaHeight(80);
  EXPECT_EQ(tw->ClientAreaWidth(), 120);
  tw->SetDockedTo(left);
  EXPECT_EQ(left->RowSizes()[0], 120);  // the row takes the stored client width
  EXPECT_EQ(left->width(), 124);
  EXPECT_EQ(tw->height(), 80 + 4 + 9);  // its length is the current height
  tw->SetDockedTo(nullptr);
  EXPECT_EQ(tw->ClientAreaWidth(), 120);
  EXPECT_EQ(tw->ClientAreaHeight(), 80);
}

TEST_F(Form, FloatingToolWindowCannotShrinkBelowMinimum) {
  auto* tw = new TToolWindowZ(&form);
  tw->SetHideWhenInactive(false);
  tw->SetFloatingPosition(QPoint(300, 300));
  tw->SetClientAreaWidth(100);
  tw->SetClientAreaHeight(100);
  // Press on the bottom-right corner band and drag far inwards.
  QPoint corner = tw->mapToGlobal(QPoint(tw->width() - 2, tw->height() - 2));
  sendMouse(tw, QEvent::MouseButtonPress, corner);
  ASSERT_TRUE(tw->Sizing());
  sendMouse(tw, QEvent::MouseMove, corner - QPoint(500, 500));
  sendMouse(tw, QEvent::MouseButtonRelease, corner - QPoint(500, 500));
  EXPECT_EQ(tw->ClientAreaWidth(), 32);
  EXPECT_EQ(tw->ClientAreaHeight(), 32);
  EXPECT_EQ(tw->StoredClientSize(), QSize(32, 32));
}

TEST_F(Form, CloseButtonHidesUnlessVetoed) {
  bar->SetDockedTo(nullptr);
  bool veto = true;
  int closed = 0;
  bar->OnCloseQuery = [&](TCustomToolWindowZ*, bool& can) { can = !veto; };
  bar->OnClose = [&](TCustomToolWindowZ*) { ++closed; };
  for (bool v : {true, false}) {
    veto = v;
    QPoint c = bar->CloseButtonRect().center();
    ASSERT_FALSE(bar->CloseButtonRect().isEmpty());
    sendMouse(bar, QEvent::MouseButtonPress, bar->mapToGlobal(c));
    sendMouse(bar, QEvent::MouseButtonRelease, bar->mapToGlobal(c));
  }
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(bar->Visible());
}

TEST_F(Form, RequestDockRefusalFloats) {
  top->OnRequestDock = [](TDockZ*, TCustomToolWindowZ*, bool& accept) { accept = false; };
  int inserted = 0;
  left->OnInsertRemoveBar = [&](TDockZ*, bool ins, TCustomToolWindowZ*) { inserted += ins ? 1 : 0; };
  QPoint grab = bar->mapToGlobal(QPoint(4, 10));
  sendMouse(bar, QEvent::MouseButtonPress, grab);
  sendMouse(bar, QEvent::MouseMove, grab + QPoint(2, 0));
  sendMouse(bar, QEvent::MouseButtonRelease, grab + QPoint(2, 0));
  EXPECT_EQ(bar->DockedTo(), nullptr);
  bar->SetDockedTo(left);
  EXPECT_EQ(inserted, 1);
}
