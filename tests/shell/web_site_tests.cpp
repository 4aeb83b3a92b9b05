// The game's web page from the game's window on the program folder as it ships:
// its Hopz.ini names no language file, and F1 ("Web oficial del juego" of the
// "?" menu) still hands the game's page to the desktop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "game/Hopz/hopz_window.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "platform/qt/display/qt_application.h"
#include "tests/support/desktop_hand_off.h"
#include "tests/support/modal_answer.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(ShippedWebSiteItem, F1HandsTheGamesPageToTheDesktop) {
  const ScratchFolder folder("websiteitem");
  for (const char* part : {"Hopz.ini", "Languages"})
    fs::copy(fs::path(TQ_STAGE_DIR) / part, folder.path() / part, fs::copy_options::recursive);
  ASSERT_EQ(platform::IniFile(folder.path() / "Hopz.ini").readString("Options", "Language", "?"), "")
      << "the premise: the shipped Hopz.ini names no language file";
  platform::setProgramFolder(folder.path().string() + "/");
  DesktopHandOff desktop;
  THopzWindow window;
  window.showAsChosen();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // A message box that says the page did not open is read and closed.
  QString refusal;
  const ModalAnswer<QMessageBox> closer(20, [&](QMessageBox* box) {
    refusal = box->text();
    box->accept();
  });
  QTest::keyClick(window.centralWidget(), Qt::Key_F1);
  EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0].toString().toStdString(), "http://www.tobboquest.com.ar/?s=game");
}

}  // namespace

// The application object must outlive every widget, so it lives in main.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  platform::qt::TQApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
