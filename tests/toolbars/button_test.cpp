// Toolbar buttons: states, groups, repeat, drop-down menus and glyph images.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <functional>

#include "tests/toolbars/test_main_app.h"
#include "toolbars/TBZCtls/TBZCtls.h"

using namespace tbz;

namespace {
struct Buttons : ::testing::Test {
  QApplication& app = testApp();
  QWidget form;
  TToolbarButtonZ* a = new TToolbarButtonZ(&form);
  TToolbarButtonZ* b = new TToolbarButtonZ(&form);
  int clicks = 0;
  void SetUp() override {
    a->OnClick = [this](TToolbarButtonZ*) { ++clicks; };
    form.show();
  }
  void click(TToolbarButtonZ* w, QPoint p = QPoint(5, 5)) {
    sendMouse(w, QEvent::MouseButtonPress, w->mapToGlobal(p));
    sendMouse(w, QEvent::MouseButtonRelease, w->mapToGlobal(p));
  }
};
}  // namespace

TEST_F(Buttons, PressMoveOutAndReleaseStates) {
  sendMouse(a, QEvent::MouseButtonPress, a->mapToGlobal(QPoint(5, 5)));
  EXPECT_EQ(a->State(), bsDown);
  sendMouse(a, QEvent::MouseMove, a->mapToGlobal(QPoint(50, 5)));
  EXPECT_EQ(a->State(), bsUp);
  sendMouse(a, QEvent::MouseMove, a->mapToGlobal(QPoint(5, 5)));
  EXPECT_EQ(a->State(), bsDown);
  sendMouse(a, QEvent::MouseButtonRelease, a->mapToGlobal(QPoint(50, 5)));
  EXPECT_EQ(clicks, 0);  // released outside
  click(a);
  EXPECT_EQ(clicks, 1);
  a->setEnabled(false);
  EXPECT_EQ(a->State(), bsDisabled);
  click(a);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Buttons, FlatBorderOnlyWhenHotOrPushed) {
  EXPECT_FALSE(a->BorderShown());
  a->SetFlat(false);
  EXPECT_TRUE(a->BorderShown());
  a->SetNoBorder(true);
  EXPECT_FALSE(a->BorderShown());
}

TEST_F(Buttons, DownNeedsGroupAndGroupKeepsOneDown) {
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  a->SetDown(true);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), bsExclusive);
  b->SetDown(true);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->State(), bsUp);
  // Clicking the down button without AllowAllUp keeps it down; with it, raises it.
  click(b);
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp());  // shared by the group
  click(b);
  EXPECT_FALSE(b->Down());
  click(a);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(clicks, 1);
}

TEST_F(Buttons, RepeatClicksWhileHeld) {
  a->SetRepeating(true);
  a->SetRepeatDelay(30);
  a->SetRepeatInterval(10);
  sendMouse(a, QEvent::MouseButtonPress, a->mapToGlobal(QPoint(5, 5)));
  EXPECT_EQ(clicks, 1);  // at once
  QTest::qWait(120);
  EXPECT_GE(clicks, 3);
  sendMouse(a, QEvent::MouseButtonRelease, a->mapToGlobal(QPoint(5, 5)));
  int after = clicks;
  QTest::qWait(60);
  EXPECT_EQ(clicks, after);  // stops on release, and the release adds no click
}

// A held button that loses the mouse (another window activated, another widget
// grabbing it, a menu popping up, the button disabled, the button let go where
// it could not see) is held no longer and stops repeating; the release that
// may follow clicks nothing.
TEST_F(Buttons, LosingTheMouseEndsTheHoldAndTheRepeat) {
  a->SetRepeating(true);
  a->SetRepeatDelay(30);
  a->SetRepeatInterval(10);
  QWidget other;
  other.setGeometry(700, 100, 80, 60);
  QMenu menu;
  menu.addAction("x");
  struct Case {
    const char* name;
    std::function<void()> lose, restore;
  };
  const Case cases[] = {
      {"another window activated",
       [&] {
         other.show();
         other.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
       },
       [&] { other.hide(); }},
      {"another widget grabs the mouse", [&] { b->grabMouse(); }, [&] { b->releaseMouse(); }},
      {"a menu pops up", [&] { menu.popup(QPoint(10, 10)); }, [&] { menu.close(); }},
      {"disabled", [&] { a->setEnabled(false); }, [&] { a->setEnabled(true); }},
      {"let go unseen",
       [&] {
         QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(a->mapToGlobal(QPoint(5, 5))), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
         QApplication::sendEvent(a, &move);
       },
       [] {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    clicks = 0;
    sendMouse(a, QEvent::MouseButtonPress, a->mapToGlobal(QPoint(5, 5)));
    ASSERT_EQ(a->State(), bsDown);
    c.lose();
    const int lost = clicks;
    QTest::qWait(80);
    EXPECT_EQ(clicks, lost);
    EXPECT_NE(a->State(), bsDown);
    c.restore();
    sendMouse(a, QEvent::MouseMove, a->mapToGlobal(QPoint(5, 5)));
    EXPECT_NE(a->State(), bsDown);
    sendMouse(a, QEvent::MouseButtonRelease, a->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(clicks, lost);
  }
}

// A window manager that activates a window on the press (a floating bar's) and
// hands the activation on takes no mouse away: the left button is still down
// on this window, and its release over the button clicks.
TEST_F(Buttons, ActivationHandedOnWhileTheButtonIsDownKeepsTheClick) {
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QWidget other;
  other.setGeometry(700, 100, 80, 60);
  QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  ASSERT_EQ(a->State(), bsDown);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(a->State(), bsDown);
  QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
}

TEST_F(Buttons, DropdownMenuOpensAndCanBeRefused) {
  QMenu menu;
  menu.addAction("uno");
  a->SetDropdownMenu(&menu);
  bool show = true;
  int dropdowns = 0;
  a->OnDropdown = [&](TToolbarButtonZ*, bool& showMenu, bool&) { ++dropdowns; showMenu = show; };
  show = false;
  sendMouse(a, QEvent::MouseButtonPress, a->mapToGlobal(QPoint(5, 5)));
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(dropdowns, 1);
  EXPECT_EQ(clicks, 1);  // a plain drop-down button clicks first
  sendMouse(a, QEvent::MouseButtonRelease, a->mapToGlobal(QPoint(5, 5)));
  show = true;
  sendMouse(a, QEvent::MouseButtonPress, a->mapToGlobal(QPoint(5, 5)));
  EXPECT_TRUE(menu.isVisible());
  EXPECT_EQ(a->State(), bsDown);
  menu.hide();
  EXPECT_EQ(a->State(), bsUp);
}

TEST_F(Buttons, ComboClicksMainPartAndDropsFromArrow) {
  QMenu menu;
  menu.addAction("dos");
  a->SetDropdownMenu(&menu);
  a->SetDropdownCombo(true);
  EXPECT_EQ(a->width(), 23 + 9 + 2);
  int dropdowns = 0;
  a->OnDropdown = [&](TToolbarButtonZ*, bool& showMenu, bool&) { ++dropdowns; showMenu = false; };
  click(a, QPoint(3, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(dropdowns, 0);
  sendMouse(a, QEvent::MouseButtonPress, a->mapToGlobal(QPoint(a->width() - 3, 5)));
  EXPECT_EQ(dropdowns, 1);
  EXPECT_EQ(clicks, 1);
  a->SetDropdownArrowWidth(5);
  EXPECT_EQ(a->DropdownArrowWidth(), 7);
  EXPECT_EQ(a->width(), 23 + 7 + 2);
  a->SetDropdownCombo(false);
  EXPECT_EQ(a->width(), 23);
}

TEST(ButtonGlyphs, StripAndStateImages) {
  testApp();
  QWidget form;
  TToolbarButtonZ btn(&form);
  btn.SetGlyph(QImage(48, 16, QImage::Format_RGB32));
  EXPECT_EQ(btn.NumGlyphs(), 3);
  btn.SetGlyph(QImage(20, 16, QImage::Format_RGB32));
  EXPECT_EQ(btn.NumGlyphs(), 1);
  btn.SetGlyph(QImage(96, 16, QImage::Format_RGB32));
  EXPECT_EQ(btn.NumGlyphs(), 1);  // 6 images is too many
  btn.SetNumGlyphs(0);
  EXPECT_EQ(btn.NumGlyphs(), 1);
  btn.SetNumGlyphs(9);
  EXPECT_EQ(btn.NumGlyphs(), 5);
  struct Case { TButtonState state; int num; int index; } cases[] = {
      {bsDisabled, 3, 1}, {bsHot, 3, 0}, {bsDown, 3, 2}, {bsExclusive, 4, 3}, {bsDisabled, 1, -1}, {bsUp, 1, 0}};
  for (const Case& c : cases) EXPECT_EQ(GlyphImageIndex(c.state, c.num), c.index) << c.state << "/" << c.num;
}

TEST(ButtonGlyphs, GeneratedDisabledImageEmbossesTheShape) {
  QImage g(4, 4, QImage::Format_RGB32);
  g.fill(qRgb(255, 0, 255));  // transparent
  g.setPixel(1, 1, qRgb(0, 0, 0));
  QPalette pal;
  QImage d = DisabledGlyph(g, qRgb(255, 0, 255), pal);
  EXPECT_EQ(d.size(), QSize(5, 5));
  EXPECT_EQ(d.pixel(1, 1), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(d.pixel(2, 2), pal.color(QPalette::Light).rgb());
  EXPECT_EQ(d.pixel(0, 0), pal.color(QPalette::Button).rgb());
}
