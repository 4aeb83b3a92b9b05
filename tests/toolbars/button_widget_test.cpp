// Toolbar buttons in a window: keys of the window, dialog results, painting,
// the button under the mouse and the drop-down menus' hints.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "tests/toolbars/test_main_app.h"
#include "toolbars/TBZCtls/TBZCtls.h"
#include "toolbars/TBZCtls/button_paint.h"

using namespace tbz;

namespace {

struct ButtonForm : ::testing::Test {
  QApplication& app = testApp();
  QWidget form;
  QLineEdit* edit = new QLineEdit(&form);
  TToolbarButtonZ* ok = new TToolbarButtonZ(&form);
  TToolbarButtonZ* cancel = new TToolbarButtonZ(&form);
  TToolbarButtonZ* save = new TToolbarButtonZ(&form);
  std::string clicked;
  void SetUp() override {
    edit->setGeometry(0, 40, 100, 20);
    ok->move(0, 0);
    cancel->move(30, 0);
    save->move(60, 0);
    ok->SetCaption("Aceptar");
    ok->SetDefault(true);
    cancel->SetCaption("Cancelar");
    cancel->SetCancel(true);
    save->SetCaption("&Guardar");
    for (auto [b, name] : {std::pair{ok, "ok"}, {cancel, "cancel"}, {save, "save"}})
      b->OnClick = [this, name = name](TToolbarButtonZ*) { clicked += name; };
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
  }
};

TEST_F(ButtonForm, EnterEscAndAcceleratorClickTheirButtons) {
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    std::string clicks;
  } cases[] = {
      {"Enter", Qt::Key_Return, Qt::NoModifier, "ok"},
      {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "ok"},
      {"Esc", Qt::Key_Escape, Qt::NoModifier, "cancel"},
      {"Shift+Enter", Qt::Key_Return, Qt::ShiftModifier, ""},
      {"Ctrl+Esc", Qt::Key_Escape, Qt::ControlModifier, ""},
      {"Alt+G", Qt::Key_G, Qt::AltModifier, "save"},
      {"G typed into the edit", Qt::Key_G, Qt::NoModifier, ""},
      {"Ctrl+G", Qt::Key_G, Qt::ControlModifier, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clicked.clear();
    QTest::keyClick(edit, c.key, c.mods);
    EXPECT_EQ(clicked, c.clicks);
  }
  EXPECT_EQ(edit->text(), "g");
}

TEST_F(ButtonForm, KeysSkipButtonsThatCannotBeClicked) {
  ok->setEnabled(false);
  save->SetDisplayMode(dmGlyphOnly);
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(clicked, "");
  // With the focus nowhere the window itself gets the key.
  save->SetDisplayMode(dmBoth);
  cancel->hide();
  QTest::keyClick(&form, Qt::Key_Escape);
  QTest::keyClick(&form, Qt::Key_G);
  EXPECT_EQ(clicked, "save");
}

TEST(ButtonDialog, ModalResultClosesTheDialogUnlessOnClickTakesItBack) {
  testApp();
  QDialog dialog;
  auto* button = new TToolbarButtonZ(&dialog);
  button->SetModalResult(mrCancel);
  bool keepOpen = true;
  int clicks = 0;
  button->OnClick = [&](TToolbarButtonZ*) {
    ++clicks;
    if (keepOpen) dialog.setResult(mrNone);
  };
  QTimer::singleShot(0, &dialog, [&] {
    button->Click();  // kept open
    keepOpen = false;
    button->Click();
  });
  EXPECT_EQ(dialog.exec(), mrCancel);
  EXPECT_EQ(clicks, 2);

  // A drop-down button does not give its result.
  QDialog other;
  auto* drop = new TToolbarButtonZ(&other);
  drop->SetModalResult(mrOk);
  drop->SetDropdownAlways(true);
  other.show();
  drop->Click();
  EXPECT_TRUE(other.isVisible());
  EXPECT_EQ(other.result(), 0);
}

TEST(ButtonMouse, DoubleClickOnADownButton) {
  testApp();
  QWidget form;
  auto* b = new TToolbarButtonZ(&form);
  b->SetGroupIndex(1);
  int doubles = 0, clicks = 0;
  b->OnDblClick = [&](TToolbarButtonZ*) { ++doubles; };
  b->OnClick = [&](TToolbarButtonZ*) { ++clicks; };
  form.show();
  const QPoint at = b->mapToGlobal(QPoint(5, 5));
  sendMouse(b, QEvent::MouseButtonPress, at);
  sendMouse(b, QEvent::MouseButtonRelease, at);
  ASSERT_TRUE(b->Down());
  sendMouse(b, QEvent::MouseButtonDblClick, at);
  sendMouse(b, QEvent::MouseButtonRelease, at);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b->Down());
}

// --- painting ---

constexpr QRgb kParentColour = 0xFF3060A0;

struct Painting : ::testing::Test {
  QApplication& app = testApp();
  QWidget form;
  TToolbarButtonZ* b = new TToolbarButtonZ(&form);
  void SetUp() override {
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kParentColour));
    form.setPalette(pal);
    form.setAutoFillBackground(true);
    form.resize(100, 60);
    b->setGeometry(10, 10, 40, 22);
    b->SetCaption("Ir");
    b->SetShowBorderWhenInactive(true);
    form.show();
  }
  QImage shot() { return form.grab(b->geometry()).toImage().convertToFormat(QImage::Format_RGB32); }
  void enter() {
    QEnterEvent e(QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), b->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b, &e);
  }
  QRgb colour(QPalette::ColorRole role) const { return b->palette().color(role).rgb(); }
};

TEST_F(Painting, SeeThroughFlatButtonShowsOnlyItsContentUntilHovered) {
  b->SetOpaque(false);
  QImage before = shot();
  for (QPoint p : {QPoint(0, 0), QPoint(39, 21), QPoint(20, 1), QPoint(1, 11)})
    EXPECT_EQ(before.pixel(p), kParentColour) << p.x() << "," << p.y();
  int content = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x) content += before.pixel(x, y) != kParentColour;
  EXPECT_GT(content, 5);  // the caption

  enter();
  ASSERT_TRUE(b->MouseInside());
  const QImage hot = shot();
  EXPECT_EQ(hot.pixel(0, 0), colour(QPalette::Light));
  EXPECT_EQ(hot.pixel(39, 21), colour(QPalette::Dark));
  EXPECT_EQ(hot.pixel(2, 2), kParentColour);  // still see-through inside the edge
}

TEST_F(Painting, OpaqueAndRaisedButtonsFillTheirFace) {
  b->SetColor(QColor(0x20, 0xC0, 0x20));
  EXPECT_EQ(shot().pixel(0, 0), 0xFF20C020u);  // flat, opaque: face colour, no edge
  b->SetFlat(false);
  const QImage raised = shot();
  EXPECT_EQ(raised.pixel(0, 0), colour(QPalette::Light));
  EXPECT_EQ(raised.pixel(39, 21), colour(QPalette::Shadow));
  EXPECT_EQ(raised.pixel(38, 20), colour(QPalette::Dark));
  EXPECT_EQ(raised.pixel(20, 3), colour(QPalette::Button));
}

TEST_F(Painting, HeldDownButtonIsDitheredAndItsContentOffset) {
  b->SetGroupIndex(1);
  b->SetDown(true);
  ASSERT_EQ(b->State(), bsExclusive);
  const QImage down = shot();
  EXPECT_EQ(down.pixel(0, 0), colour(QPalette::Dark));  // sunken
  EXPECT_EQ(down.pixel(2, 2), colour(QPalette::Light));  // equal parity: highlight
  EXPECT_EQ(down.pixel(3, 2), colour(QPalette::Button));
  EXPECT_TRUE(DitherBuilt());
  b->SetHighlightWhenDown(false);
  EXPECT_EQ(shot().pixel(2, 2), colour(QPalette::Button));

  // The last button destroyed drops the shared pattern.
  delete b;
  EXPECT_FALSE(DitherBuilt());
}

TEST_F(Painting, ComboArrowPartHasItsOwnEdge) {
  QMenu menu;
  b->SetDropdownMenu(&menu);
  b->SetDropdownCombo(true);
  b->SetFlat(false);
  const QImage combo = shot();
  const int split = b->width() - b->DropdownArrowWidth() - 2;
  EXPECT_EQ(combo.pixel(split - 1, 10), colour(QPalette::Shadow));  // main part's right edge
  EXPECT_EQ(combo.pixel(split, 10), colour(QPalette::Light));       // arrow part's left edge
  // The arrow: 5 pixels in the font colour at mid-height.
  const int cx = split + (b->DropdownArrowWidth() + 2) / 2, cy = b->height() / 2 - 1;
  for (int dx = -2; dx <= 2; ++dx) EXPECT_EQ(combo.pixel(cx + dx, cy), colour(QPalette::ButtonText));
  EXPECT_EQ(combo.pixel(cx, cy + 2), colour(QPalette::ButtonText));
  // While its menu is open only the arrow part is sunk.
  menu.addAction("uno");
  sendMouse(b, QEvent::MouseButtonPress, b->mapToGlobal(QPoint(b->width() - 3, 5)));
  ASSERT_TRUE(menu.isVisible());
  const QImage open = shot();
  EXPECT_EQ(open.pixel(0, 10), colour(QPalette::Light));
  EXPECT_EQ(open.pixel(split, 10), colour(QPalette::Shadow));
  menu.hide();
  EXPECT_EQ(shot().pixel(split, 10), colour(QPalette::Light));
}

// --- the button under the mouse ---

TEST(ButtonHot, OneHotButtonWatchedByTheSharedTimer) {
  testApp();
  QWidget form;
  auto* a = new TToolbarButtonZ(&form);
  auto* b = new TToolbarButtonZ(&form);
  b->move(30, 0);
  std::string events;
  for (auto [btn, name] : {std::pair{a, 'a'}, {b, 'b'}}) {
    btn->SetShowBorderWhenInactive(true);
    btn->OnMouseEnter = [&, name = name](TToolbarButtonZ*) { events += '+'; events += name; };
    btn->OnMouseExit = [&, name = name](TToolbarButtonZ*) { events += '-'; events += name; };
  }
  form.move(0, 0);
  QCursor::setPos(QPoint(500, 500));  // away from the buttons before they show
  form.show();
  QApplication::processEvents();
  ASSERT_EQ(TToolbarButtonZ::HotButton(), nullptr);
  events.clear();
  sendMouse(a, QEvent::MouseMove, a->mapToGlobal(QPoint(5, 5)), Qt::NoButton);
  EXPECT_EQ(TToolbarButtonZ::HotButton(), a);
  EXPECT_TRUE(TToolbarButtonZ::HotTimerActive());
  EXPECT_EQ(a->State(), bsHot);
  sendMouse(b, QEvent::MouseMove, b->mapToGlobal(QPoint(5, 5)), Qt::NoButton);
  EXPECT_EQ(TToolbarButtonZ::HotButton(), b);
  EXPECT_EQ(a->State(), bsUp);
  EXPECT_EQ(events, "+a-a+b");
  // The cursor is elsewhere and no leave notice came: the timer notices.
  QTest::qWait(300);
  EXPECT_EQ(TToolbarButtonZ::HotButton(), nullptr);
  EXPECT_FALSE(TToolbarButtonZ::HotTimerActive());
  EXPECT_FALSE(b->MouseInside());
  EXPECT_EQ(events, "+a-a+b-b");
}

// --- drop-down menus ---

TEST(DropdownList, HoveredItemHintAndWeakMenus) {
  testApp();
  QWidget form;
  auto* b = new TToolbarButtonZ(&form);
  std::vector<QString> hints;
  const int listener = ApplicationHint::AddListener([&](const QString& h) { hints.push_back(h); });
  auto menu = std::make_unique<QMenu>();
  QAction* level = menu->addAction("Nivel");
  level->setStatusTip("Crea un nivel nuevo");
  QAction* bare = menu->addAction("Mapa");
  QMenu* sub = menu->addMenu("Otros");
  QAction* game = sub->addAction("Juego");
  game->setStatusTip("Crea un juego");
  b->SetDropdownMenu(menu.get());
  ASSERT_TRUE(TDropdownList::Instance().Contains(menu.get()));
  EXPECT_TRUE(TDropdownList::Instance().RouterExists());

  emit menu->aboutToShow();
  emit menu->hovered(level);
  EXPECT_EQ(ApplicationHint::Hint(), "Crea un nivel nuevo");
  emit sub->hovered(game);
  EXPECT_EQ(ApplicationHint::Hint(), "Crea un juego");
  emit menu->hovered(bare);
  EXPECT_EQ(ApplicationHint::Hint(), "");
  emit menu->hovered(level);
  emit menu->aboutToHide();
  EXPECT_EQ(ApplicationHint::Hint(), "");
  EXPECT_EQ(hints, (std::vector<QString>{"Crea un nivel nuevo", "Crea un juego", "", "Crea un nivel nuevo", ""}));
  ApplicationHint::RemoveListener(listener);

  menu.reset();
  EXPECT_EQ(b->DropdownMenu(), nullptr);
  EXPECT_EQ(TDropdownList::Instance().Count(), 0);
  EXPECT_FALSE(TDropdownList::Instance().RouterExists());
}

TEST(DropdownList, PressThatClosesTheMenuDoesNotReopenIt) {
  testApp();
  QWidget form;
  auto* b = new TToolbarButtonZ(&form);
  QMenu menu;
  menu.addAction("uno");
  b->SetDropdownMenu(&menu);
  bool remove = true;
  int drops = 0;
  b->OnDropdown = [&](TToolbarButtonZ*, bool&, bool& removeClicks) {
    ++drops;
    removeClicks = remove;
  };
  form.show();
  const QPoint at = b->mapToGlobal(QPoint(5, 5));
  for (bool removeClicks : {true, false}) {
    SCOPED_TRACE(removeClicks);
    remove = removeClicks;
    drops = 0;
    sendMouse(b, QEvent::MouseButtonPress, at);
    ASSERT_TRUE(menu.isVisible());
    menu.hide();  // as a press outside the menu does, before that press reaches the button
    sendMouse(b, QEvent::MouseButtonPress, at);
    EXPECT_EQ(drops, removeClicks ? 1 : 2);
    menu.hide();
    sendMouse(b, QEvent::MouseButtonRelease, at);
    QApplication::processEvents();
    // Later presses are the user's own.
    sendMouse(b, QEvent::MouseButtonPress, at);
    EXPECT_EQ(drops, removeClicks ? 2 : 3);
    menu.hide();
    sendMouse(b, QEvent::MouseButtonRelease, at);
    QApplication::processEvents();
  }
}

}  // namespace
