// The hint window on resting controls, and the main window's About command
// and toolbar hints.
#include "editor/ToolInfo/TToolInfo.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <unistd.h>

#include "editor/frmAbout/frmAbout.h"
#include "editor/ObjectPalette/palette_window.h"
#include "editor/frmLevelProp/TfmLevelProp.h"
#include "editor/frmMain/frmMain.h"
#include "tests/editor_selectors/qt_app.h"
#include "toolbars/TBZCtls/TBZCtls.h"

namespace fs = std::filesystem;

namespace {

// Rests the mouse on w at p: the cursor is put there too, as the timer reads it.
void moveTo(QWidget* w, QPoint p = QPoint(5, 5)) {
  QCursor::setPos(w->mapToGlobal(p));
  QTest::mouseMove(w, p);
}

TEST(HintWindow, ShowsTheShortHintAfterItsDelayAndTheNextAtOnce) {
  testApp();
  QWidget window;
  window.resize(300, 200);
  auto* open = new QPushButton("Abrir", &window);
  open->setGeometry(10, 10, 80, 24);
  open->setToolTip("Abrir|Abre un nivel, un mapa o un juego");
  auto* save = new QPushButton("Guardar", &window);
  save->setGeometry(100, 10, 80, 24);
  save->setToolTip("Guardar & salir");
  auto* panel = new QWidget(&window);
  panel->setGeometry(0, 100, 300, 100);
  TToolInfo hint(&window);
  hint.AttachControl(open);
  hint.AttachControl(save);
  hint.AttachHider(panel);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  moveTo(open);
  EXPECT_TRUE(hint.tmHint.isActive());
  EXPECT_FALSE(hint.isVisible());
  QTest::qWait(THintController::kDelayMs + 200);
  ASSERT_TRUE(hint.isVisible());
  EXPECT_EQ(hint.Text(), "Abrir");
  const QPoint at = open->mapToGlobal(QPoint(5, 5));
  EXPECT_EQ(hint.geometry().topLeft(), at + QPoint(8 - 4, 24 - 3));
  hint.grab().save("hint_window.png");

  moveTo(save);  // already showing: the next hint at once
  EXPECT_TRUE(hint.isVisible());
  EXPECT_EQ(hint.Text(), "Guardar & salir");

  moveTo(panel);
  EXPECT_FALSE(hint.isVisible());
  EXPECT_EQ(hint.Controller().Remembered(), nullptr);

  // Leaving before the delay: the timer finds another control and shows nothing.
  moveTo(open);
  moveTo(panel);
  QTest::qWait(THintController::kDelayMs + 200);
  EXPECT_FALSE(hint.isVisible());
}

TEST(HintWindow, LongHintsWrapAtHalfTheScreen) {
  testApp();
  QWidget window;
  auto* button = new QPushButton("x", &window);
  button->setToolTip(QString("palabra ").repeated(200));
  TToolInfo hint(&window);
  hint.AttachControl(button);
  window.show();
  hint.Controller().OnMove(button, 1, 1);
  hint.Controller().ShowAt(0, 0);
  ASSERT_TRUE(hint.isVisible());
  EXPECT_LE(hint.width(), hint.Controller().ScreenWidth() / 2 + 8);
  EXPECT_GT(hint.height(), 3 * hint.fontMetrics().height());
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testApp();
    dir_ = fs::temp_directory_path() / ("editor_selectors_main_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(MainWindow, AboutShowsTheAboutBoxModally) {
  TfmMain form(dir_.string() + "/");
  form.show();
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* about = dynamic_cast<TfmAbout*>(QApplication::activeModalWidget())) {
      shown = about->windowTitle();
      about->grab().save("about_from_main.png");
      about->accept();
    }
  });
  form.Action("&Acerca de...")->trigger();
  EXPECT_EQ(shown, "Acerca del Editor del Tobbo Quest");
}

TEST_F(MainWindow, ToolbarButtonsShowTheirHintInTheHintWindow) {
  TfmMain form(dir_.string() + "/");
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  ASSERT_NE(form.ToolInfo, nullptr);
  tbz::TToolbarButtonZ* openButton = form.Button("Abrir");
  ASSERT_NE(openButton, nullptr);
  moveTo(openButton);
  QTest::qWait(THintController::kDelayMs + 200);
  ASSERT_TRUE(form.ToolInfo->isVisible());
  EXPECT_EQ(form.ToolInfo->Text(), "Abrir");
  moveTo(form.DockTop, QPoint(form.DockTop->width() - 2, form.DockTop->height() - 2));
  EXPECT_FALSE(form.ToolInfo->isVisible());
}

// The palette's buttons and the properties window's fields show their hints in
// the editor's hint window too, not in the toolkit's own tool tip.
TEST_F(MainWindow, PaletteButtonsAndPropertyFieldsShowTheirHintsInTheHintWindow) {
  TfmMain form(dir_.string() + "/");
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.ShowPalettePages(DocLevel);
  QApplication::processEvents();
  tbz::TToolbarButtonZ* base = form.Palette->PaletteButton(DocLevel, 0, 0);
  ASSERT_NE(base, nullptr);
  ASSERT_TRUE(base->isVisible());
  moveTo(base);
  form.ToolInfo->Controller().OnTimer();  // the delay is over
  ASSERT_TRUE(form.ToolInfo->isVisible());
  EXPECT_EQ(form.ToolInfo->Text(), "Base 1");
  moveTo(form.Palette->PaletteButton(DocLevel, 0, 1));
  EXPECT_EQ(form.ToolInfo->Text(), "Fin izquierdo de la base 1");

  TfmLevelProp& dialog = form.fmLevelProp();
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const std::pair<std::string TLevelPropModel::*, const char*> fields[] = {
      {&TLevelPropModel::Edit5, "16 es predeterminado"}, {&TLevelPropModel::Edit8, "150ms es predeterminado"}};
  for (auto [field, hint] : fields) {
    QSpinBox* edit = dialog.Number(field);
    // A move over the number's text, as the window system delivers it.
    QLineEdit* text = edit->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), text->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(text, &move);
    EXPECT_EQ(form.ToolInfo->Controller().Remembered(), edit);
    form.ToolInfo->Controller().ShowAt(0, 0);  // the delay is over
    ASSERT_TRUE(form.ToolInfo->isVisible());
    EXPECT_EQ(form.ToolInfo->Text(), hint);
  }
  dialog.hide();
}

}  // namespace
