// The game window on Qt's offscreen platform: keys reach the game as virtual
// keys (Alt included, which must not open the menu), menu shortcuts run their
// command, frames are presented, and closing writes the settings back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <fstream>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "game/Game/level_state.h"
#include "game/Hopz/hopz_window.h"
#include "game/Map/world_map.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/pending_screens.h"
#include "platform/app/application.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "platform/qt/display/qt_application.h"
#include "platform/qt/shell/desktop_shell.h"
#include "platform/qt/text/qt_text.h"
#include "tests/support/desktop_hand_off.h"
#include "tests/support/file_dialog_choice.h"
#include "tests/support/modal_answer.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class HopzWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The Qt loop's wake-up, which a frame loop stopped by a deactivation needs
    // to start again, outlives the reset.
    static const std::function<void()> qtWake = platform::application().OnWake;
    platform::application().Reset();
    platform::application().OnWake = qtWake;
    platform::keyState().clear();
    folder_ = testTempPath("hopzwindow");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    std::ofstream(folder_ / "Hopz.ini", std::ios::binary)
        << "[DirectDraw]\r\nWindowMode=1\r\n[MainWindow]\r\nWidth=320\r\nHeight=240\r\n";
    platform::setProgramFolder(folder_.string() + "/");
  }
  void TearDown() override {
    platform::application().Reset();
    fs::remove_all(folder_);
  }
  // Runs the event loop until the frame loop has presented frames.
  static void runFrames(THopzWindow& w, QWidget* view, size_t frames) {
    auto* v = static_cast<THopzScreenView*>(view);
    for (int i = 0; i < 400 && v->presentCount() < frames; ++i) QTest::qWait(5);
    (void)w;
  }
  // The real window in level 1-1 of the default game (a copy of the staged
  // folder), entered as a node of the map enters it, with its tune.
  void enterTheFirstLevel(THopzWindow& window) {
    for (const char* part : {"hopz.tqg", "sprites", "sounds", "music", "bitmaps", "levels", "worlds", "Languages"})
      fs::copy(fs::path(TQ_STAGE_DIR) / part, folder_ / part, fs::copy_options::recursive);
    window.showAsChosen();
    runFrames(window, window.centralWidget(), 2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TfmMain& m = window.main();
    GameShell.PlayMusic = true;
    Level.LevelFileName = GameShell.ExeDir + "levels\\1-1.tql";
    WorldMap.WorldFileName = GameShell.ExeDir + "worlds\\world1.tqw";
    m.SetScreenState(ssLevel);
    SetLevelPlayArea();
    StartLevel();
    ASSERT_TRUE(Level.Player);
    ASSERT_EQ(m.MIDIPlayer->GetMode(), mpPlaying);
  }
  fs::path folder_;
};

TEST_F(HopzWindowTest, RunsFramesAndKeysReachTheGame) {
  THopzWindow window;
  window.showAsChosen();
  QWidget* view = window.centralWidget();
  runFrames(window, view, 5);
  EXPECT_GE(static_cast<THopzScreenView*>(view)->presentCount(), 5u);
  EXPECT_TRUE(window.menuBar()->isVisible());

  QTest::keyPress(view, Qt::Key_Alt, Qt::AltModifier);
  EXPECT_TRUE(platform::keyState().isDown(platform::VK_MENU));
  QTest::keyRelease(view, Qt::Key_Alt);
  EXPECT_FALSE(platform::keyState().isDown(platform::VK_MENU));
  EXPECT_EQ(window.menuBar()->activeAction(), nullptr);  // Alt did not open the menu
  EXPECT_TRUE(view->hasFocus() || QApplication::focusWidget() == view);

  QTest::keyClick(view, Qt::Key_Left);
  QTest::keyClick(view, Qt::Key_Z);
  EXPECT_EQ(platform::keyState().getAsyncKeyState('Z') & 1, 1);

  // F5 is File/Open state's shortcut in window mode.
  QTest::keyClick(view, Qt::Key_F5);
  EXPECT_TRUE(GameShell.OpenStatePending);
}

TEST_F(HopzWindowTest, MenuCaptionsAreWindows1252TextFromTheLanguageFile) {
  std::ofstream(folder_ / "Hopz.ini", std::ios::binary)
      << "[Options]\r\nLanguage=Test\r\n[DirectDraw]\r\nWindowMode=1\r\n";
  fs::create_directories(folder_ / "Languages");
  std::ofstream(folder_ / "Languages" / "Test.ini", std::ios::binary)
      << "[MainWindow]\r\nmnuGame=&Partida r\xE1pida\r\nmnuExit=&Cerrar a\xF1o\r\n";
  THopzWindow window;
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 4);
  EXPECT_EQ(menus[1]->text(), QString::fromUtf8("&Partida r\u00E1pida"));
  const QList<QAction*> gameItems = menus[1]->menu()->actions();
  EXPECT_EQ(gameItems.last()->text(), QString::fromUtf8("&Ingresar c\u00F3digo secreto"));  // built in
  EXPECT_EQ(menus[0]->menu()->actions().last()->text(), QString::fromUtf8("&Cerrar a\u00F1o"));
}

// A menu item whose file the shell cannot open says so in a message box over
// the window: the change history with no Update.txt in the program folder.
TEST_F(HopzWindowTest, ChangeHistoryWithoutItsFileSaysSoInAMessageBox) {
  DesktopHandOff desktop;
  THopzWindow window;
  window.showAsChosen();
  QAction* history = nullptr;
  for (QAction* menu : window.menuBar()->actions())
    for (QAction* item : menu->menu()->actions())
      if (item->text() == "Historial de cambios") history = item;
  ASSERT_NE(history, nullptr);
  QString title, text;
  {
    const ModalAnswer<QMessageBox> closer(10, [&](QMessageBox* box) {
      title = box->windowTitle();
      text = box->text();
      box->accept();
    });
    history->trigger();
  }
  EXPECT_TRUE(desktop.opened.empty());  // nothing was handed to the desktop
  EXPECT_EQ(title.toStdString(), "Error");
  EXPECT_EQ(text.toStdString(), "No se pudo abrir el archivo Update.txt. Compruebe que exista en la carpeta del juego y que haya "
                  "un programa para abrirlo.");
}

TEST_F(HopzWindowTest, FullScreenCoversTheWholeScreenWithoutMenuOrCursor) {
  std::ofstream(folder_ / "Hopz.ini", std::ios::binary) << "[DirectDraw]\r\nWindowMode=0\r\n";
  THopzWindow window;
  window.showAsChosen();
  runFrames(window, window.centralWidget(), 2);
  ASSERT_NE(window.screen(), nullptr);
  EXPECT_EQ(window.geometry(), window.screen()->geometry());
  EXPECT_FALSE(window.menuBar()->isVisible());
  EXPECT_EQ(window.centralWidget()->cursor().shape(), Qt::BlankCursor);
}

// A 320 x 200 frame (not the screen's shape), blue with a green square at
// (100, 50)-(110, 60), through its palette.
struct TestFrame {
  TestFrame() {
    palette[1] = {20, 40, 200, 0};
    palette[5] = {10, 200, 30, 0};
    for (int y = 50; y < 60; ++y)
      for (int x = 100; x < 110; ++x) pixels[size_t(y) * 320 + x] = 5;
  }
  platform::FrameView view() const { return {pixels.data(), 320, 200, 320, 8, palette}; }
  std::vector<uint8_t> pixels = std::vector<uint8_t>(320 * 200, 1);
  platform::PALETTEENTRY palette[256] = {};
};

// The view shows the frame it is given scaled onto the place the screen gives
// it in a window (all of it, stretched), and in a full-screen display mode as
// large as the screen takes it keeping its shape, black around it.
TEST_F(HopzWindowTest, TheViewShowsTheFrameStretchedInAWindowAndKeepingItsShapeFullScreen) {
  const QRgb blue = qRgb(20, 40, 200), green = qRgb(10, 200, 30), black = qRgb(0, 0, 0);
  for (const bool windowMode : {true, false}) {
    SCOPED_TRACE(windowMode ? "window" : "full screen");
    std::ofstream(folder_ / "Hopz.ini", std::ios::binary)
        << "[DirectDraw]\r\nWindowMode=" << windowMode << "\r\n[MainWindow]\r\nWidth=640\r\nHeight=480\r\n";
    THopzWindow window;
    window.showAsChosen();
    auto* view = static_cast<THopzScreenView*>(window.centralWidget());
    runFrames(window, view, 2);
    const int w = view->width(), h = view->height();
    ASSERT_NE(w * 200, h * 320) << "the view has the frame's shape: nothing shows that it is kept";
    const TestFrame frame;
    view->present(frame.view(), {0, 0, 320, 200}, {0, 0, w, h});
    const QImage shown = view->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(w, h));
    QRect picture(0, 0, w, h);
    if (!windowMode) {
      const QSize kept = QSize(320, 200).scaled(w, h, Qt::KeepAspectRatio);
      picture = QRect(QPoint((w - kept.width()) / 2, (h - kept.height()) / 2), kept);
      ASSERT_TRUE(picture.top() > 1 || picture.left() > 1);
      EXPECT_EQ(shown.pixel(0, 0), black);
      EXPECT_EQ(shown.pixel(w - 1, h - 1), black);
    }
    // The frame's pixel (x, y) at its centre where it is shown.
    const auto at = [&](double x, double y) {
      return shown.pixel(picture.left() + int((x + 0.5) * picture.width() / 320),
                         picture.top() + int((y + 0.5) * picture.height() / 200));
    };
    EXPECT_EQ(at(0, 0), blue);
    EXPECT_EQ(at(319, 199), blue);
    EXPECT_EQ(at(104, 54), green);
    EXPECT_EQ(at(98, 54), blue);
    EXPECT_EQ(at(104, 61), blue);
  }
}

// Every key reaches the window's key handlers as the Windows virtual key, and
// what it types as Windows-1252 text; Alt and Tab reach them too (neither the
// menu nor the focus chain takes them).
TEST_F(HopzWindowTest, KeysReachTheHandlersAsVirtualKeysAndTypedText) {
  THopzWindow window;
  window.showAsChosen();
  QWidget* view = window.centralWidget();
  runFrames(window, view, 2);
  std::vector<uint16_t> downs, ups;
  std::string typed;
  window.OnKeyDown = [&](platform::Form&, uint16_t& key, platform::TShiftState) { downs.push_back(key); };
  window.OnKeyUp = [&](platform::Form&, uint16_t& key, platform::TShiftState) { ups.push_back(key); };
  window.OnKeyPress = [&](platform::Form&, char& c) { typed += c; };
  QTest::keyClick(view, Qt::Key_Alt);
  QTest::keyClick(view, Qt::Key_Tab);
  QTest::keyClick(view, Qt::Key_Left);
  QTest::keyClick(view, Qt::Key_A);
  QTest::sendKeyEvent(QTest::Click, view, Qt::Key_Eacute, QString::fromUtf8("\u00E9"), Qt::NoModifier);
  QTest::keyClick(view, Qt::Key_Return);
  const std::vector<uint16_t> keys{platform::VK_MENU, platform::VK_TAB, platform::VK_LEFT, 'A', platform::VK_RETURN};
  EXPECT_EQ(downs, keys);
  EXPECT_EQ(ups, keys);
  EXPECT_EQ(typed, "a\xE9\r");
  EXPECT_EQ(window.menuBar()->activeAction(), nullptr);
  EXPECT_TRUE(view->hasFocus() || QApplication::focusWidget() == view);
  window.OnKeyDown = nullptr;
  window.OnKeyUp = nullptr;
  window.OnKeyPress = nullptr;
}

TEST_F(HopzWindowTest, EscClosesAndTheSettingsAreWrittenBack) {
  {
    THopzWindow window;
    window.showAsChosen();
    runFrames(window, window.centralWidget(), 2);
    GameShell.PlaySound = false;
    QTest::keyClick(window.centralWidget(), Qt::Key_Escape);
    for (int i = 0; i < 100 && window.isVisible(); ++i) QTest::qWait(5);
    EXPECT_FALSE(window.isVisible());
  }
  std::ifstream in(folder_ / "Hopz.ini", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("PlaySound=0\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Width=320\r\nHeight=240\r\n"), std::string::npos) << text;
}

// Switched away from in a level, the game stands: the real window in level 1-1
// of the default game, on the real clock, with another window active for 3 s.
// No frame is drawn, and the level clock, the invulnerability count and the
// level's tune stand; active again, the level goes on.
TEST_F(HopzWindowTest, InTheBackgroundTheLevelsTimeStands) {
  THopzWindow window;
  enterTheFirstLevel(window);
  if (HasFatalFailure()) return;
  auto* view = static_cast<THopzScreenView*>(window.centralWidget());
  TfmMain& m = window.main();
  Level.HurtTimer = 20;  // blinking, and no walker can hurt him
  QTest::qWait(1200);
  ASSERT_LT(Level.LevelTime, 300) << "the clock does not run in the level";

  QWidget other;
  other.resize(100, 100);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  ASSERT_FALSE(window.isActiveWindow());
  QTest::qWait(50);  // a frame already under way ends
  const int time = Level.LevelTime, hurt = Level.HurtTimer;
  const int tune = m.MIDIPlayer->GetPosition();
  const size_t frames = view->presentCount();
  QTest::qWait(3000);
  EXPECT_EQ(view->presentCount(), frames) << "frames drawn in the background";
  EXPECT_EQ(Level.LevelTime, time);
  EXPECT_EQ(Level.HurtTimer, hurt);
  EXPECT_EQ(m.MIDIPlayer->GetPosition(), tune);
  EXPECT_FALSE(Level.PlayerDying);

  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::qWait(1500);
  EXPECT_GT(view->presentCount(), frames);
  EXPECT_LT(Level.LevelTime, time);
  EXPECT_LT(Level.HurtTimer, hurt);
  EXPECT_GT(m.MIDIPlayer->GetPosition(), tune);
  EXPECT_EQ(m.MIDIPlayer->GetMode(), mpPlaying);
}

// A menu of the window open in a level: the game stands (clock, tune) and the
// key held when it opened is let go, though its release never reaches the
// view; closed, the level goes on with no key held. The view holds the
// keyboard only while the level plays.
TEST_F(HopzWindowTest, AnOpenMenuStandsTheLevelAndLetsGoOfTheKeys) {
  THopzWindow window;
  enterTheFirstLevel(window);
  if (HasFatalFailure()) return;
  QWidget* view = window.centralWidget();
  TfmMain& m = window.main();
  Level.HurtTimer = 20;  // no walker can hurt him
  QTest::qWait(50);
  EXPECT_EQ(QWidget::keyboardGrabber(), view) << "a level that plays holds the keyboard";
  QTest::keyPress(view, Qt::Key_Right);
  ASSERT_TRUE(platform::keyState().isDown(platform::VK_RIGHT));

  QMenu* file = window.menuBar()->actions().first()->menu();
  ASSERT_NE(file, nullptr);
  file->popup(window.mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
  EXPECT_TRUE(m.GameStands());
  EXPECT_FALSE(platform::keyState().isDown(platform::VK_RIGHT)) << "the key held into the menu is still down";
  EXPECT_NE(QWidget::keyboardGrabber(), view);
  const int time = Level.LevelTime, x = Level.Player->GetX() + m.CameraX;
  const int tune = m.MIDIPlayer->GetPosition();
  QTest::qWait(1500);
  EXPECT_EQ(Level.LevelTime, time);
  EXPECT_EQ(Level.Player->GetX() + m.CameraX, x);
  EXPECT_EQ(m.MIDIPlayer->GetPosition(), tune);

  file->hide();
  EXPECT_FALSE(m.GameStands());
  EXPECT_FALSE(platform::keyState().isDown(platform::VK_RIGHT));
  EXPECT_EQ(QWidget::keyboardGrabber(), view);
  QTest::qWait(1500);
  EXPECT_LT(Level.LevelTime, time);
  EXPECT_EQ(Level.Player->GetX() + m.CameraX, x) << "the player walks on with no key held";

  // A pause gives the keyboard back; the resume takes it again.
  QTest::keyClick(view, Qt::Key_Pause);
  ASSERT_TRUE(m.Paused());
  EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
  QTest::keyClick(view, Qt::Key_Pause);
  ASSERT_FALSE(m.Paused());
  EXPECT_EQ(QWidget::keyboardGrabber(), view);
}

// File/Open game's dialog open in a level: the game stands while it is up, and
// goes on once it is gone and the window is active again.
TEST_F(HopzWindowTest, TheOpenGameDialogStandsTheLevel) {
  THopzWindow window;
  enterTheFirstLevel(window);
  if (HasFatalFailure()) return;
  TfmMain& m = window.main();
  Level.HurtTimer = 20;
  QTest::qWait(1200);
  ASSERT_LT(Level.LevelTime, 300) << "the clock does not run in the level";
  QAction* openGame = window.menuBar()->actions().first()->menu()->actions().first();
  bool stoodOpen = false, stoodAfter = false;
  int timeOpen = 0, timeAfter = 0;
  QTimer::singleShot(300, [&] {
    stoodOpen = m.GameStands();
    timeOpen = Level.LevelTime;
    QTimer::singleShot(1500, [&] {
      stoodAfter = m.GameStands();
      timeAfter = Level.LevelTime;
      if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
  });
  openGame->trigger();  // returns once the dialog is closed
  EXPECT_TRUE(stoodOpen);
  EXPECT_TRUE(stoodAfter);
  EXPECT_EQ(timeAfter, timeOpen);
  EXPECT_EQ(m.ScreenState(), ssLevel);  // nothing chosen: the level stays
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_FALSE(m.GameStands());
  QTest::qWait(1500);
  EXPECT_LT(Level.LevelTime, timeAfter);
}

// Installed under a folder named in letters beyond ASCII and started from
// elsewhere, "Abrir juego..." starts in the game's folder and opens the game
// chosen there by its name, whatever letters its name has.
TEST_F(HopzWindowTest, TheOpenGameDialogStartsInTheGamesFolderAndOpensTheChosenGame) {
  const fs::path folder = folder_ / "A\u00f1o Jos\u00e9" / "\u0418\u0433\u0440\u0430";
  fs::create_directories(folder);
  fs::copy_file(folder_ / "Hopz.ini", folder / "Hopz.ini");
  fs::copy_file(fs::path(TQ_STAGE_DIR) / "hopz.tqg", folder / "hopz.tqg");
  fs::copy_file(fs::path(TQ_STAGE_DIR) / "hopz.tqg", folder / "\u0441\u0430\u0434.tqg");
  platform::setProgramFolder(folder.string());
  THopzWindow window;
  window.showAsChosen();
  runFrames(window, window.centralWidget(), 2);
  QAction* openGame = window.menuBar()->actions().first()->menu()->actions().first();
  for (const char* name : {"hopz.tqg", "\u0441\u0430\u0434.tqg"}) {
    SCOPED_TRACE(name);
    FileDialogChoice choice(QString::fromUtf8(name));
    openGame->trigger();
    EXPECT_EQ(choice.startFolder.toStdString(), platform::qt::qPath(folder).toStdString());
    EXPECT_EQ(window.main().GameFileName, folder / name);
    EXPECT_TRUE(fs::is_regular_file(window.main().GameFileName));
  }
}

}  // namespace

// The application object must outlive every widget and go before the
// library's own statics, so it lives in main.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  platform::qt::TQApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
