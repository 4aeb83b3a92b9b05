// The Qt application's own dialogs on the offscreen platform speak Spanish (the
// game's window, which shows the screen, is tested in tests/shell).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/app/application.h"
#include "platform/qt/display/qt_application.h"

namespace {

// One application for the whole run, gone before the program's exit handlers.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { app = std::make_unique<platform::qt::TQApplication>(argc, argv); }
  void TearDown() override { app.reset(); }
  int argc = 1;
  char name[16] = "screen_qt_tests";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<platform::qt::TQApplication> app;
};
QtEnvironment* const qtEnvironment =
    static_cast<QtEnvironment*>(::testing::AddGlobalTestEnvironment(new QtEnvironment));

void qtApp() { ASSERT_TRUE(qtEnvironment->app); }

// The application's question (the editor's question about the desktop's
// colours, the game's questions) asks with "Sí" and "No", "Sí" first in focus.
TEST(QtDisplay, TheApplicationsQuestionReadsInSpanish) {
  qtApp();
  for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
    QStringList shown;
    QString focused;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* b : box->buttons()) shown << b->text().remove('&');
      shown.sort();
      focused = box->defaultButton() ? box->defaultButton()->text().remove('&') : QString();
      box->button(answer)->click();
    });
    EXPECT_EQ(platform::application().Confirm("\xBF" "Continuar?"), answer == QMessageBox::Yes);
    EXPECT_EQ(shown, QStringList({"No", QString::fromUtf8("S\u00ed")}));
    EXPECT_EQ(focused, QString::fromUtf8("S\u00ed"));
  }
}

// Qt's own dialogs (the editor's colour and file choosers) use Qt's Spanish words.
TEST(QtDisplay, QtsOwnDialogsReadInSpanish) {
  qtApp();
  QColorDialog dialog;
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QStringList shown;
  for (QAbstractButton* b : buttons->buttons()) shown << b->text().remove('&');
  shown.sort();
  EXPECT_EQ(shown, QStringList({"Aceptar", "Cancelar"}));
}

}  // namespace
