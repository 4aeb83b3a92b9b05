// The main window driven without a window: creation from the settings file,
// language, the frame, the one-second timer, lives and keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <QUrl>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/core/clock.h"
#include "platform/core/keys.h"
#include "platform/core/play_clock.h"
#include "platform/core/shell.h"
#include "platform/qt/shell/desktop_shell.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "screens_recorder.h"
#include "tests/support/desktop_hand_off.h"

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::application().Reset();
    folder_ = fs::temp_directory_path() / ("mainwindow_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    platform::setProgramFolder(folder_.string() + "/");
    Level = TLevelState{};
    WorldMap = TWorldMapState{};
    TitlePhase = -1;
    ScreenCalls.clear();
    KillPlayerCalls = 0;
  }
  void TearDown() override {
    window_.reset();
    platform::application().Reset();
    fs::remove_all(folder_);
  }

  TfmMain& create() {
    TMainWindowHost host;
    host.AskYesNo = [this](const std::string&, const std::string& text) {
      questions.push_back(text);
      return true;
    };
    host.Close = [this] { ++closes; };
    host.GetBounds = [](int& l, int& t, int& w, int& h) { l = 11, t = 22, w = 333, h = 244; };
    host.ShowError = [this](const std::string&, const std::string& text) { errors.push_back(text); };
    window_ = std::make_unique<TfmMain>(form_, host);
    window_->FormCreate();
    ScreenCalls.clear();
    return *window_;
  }

  fs::path folder_;
  platform::HeadlessForm form_;
  std::unique_ptr<TfmMain> window_;
  std::vector<std::string> questions;
  std::vector<std::string> errors;
  int closes = 0;
};

TEST_F(MainWindow, NoSettingsFileGivesTheDefaultsAndSmallFullScreen) {
  TfmMain& w = create();
  EXPECT_EQ(fmMain, &w);
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(w.Display, TDisplayChoice::FullScreen320x240x8);
  EXPECT_FALSE(w.WindowMode);
  EXPECT_FALSE(w.MenuVisible);
  EXPECT_FALSE(w.ShowCursor);
  EXPECT_EQ(w.DXScreen->DisplayMode, dm320x240x8);
  EXPECT_EQ(w.DXScreen->ColorDepth, 8);
  EXPECT_FALSE(w.DXScreen->ShowMouse);
  EXPECT_TRUE(w.DXScreen->WindowStretch);
  EXPECT_FALSE(w.DXScreen->WindowVBL);
  EXPECT_EQ(w.DXSprites->KeyFire1, 18);
  EXPECT_EQ(w.DXSprites->KeyFire2, 17);
  EXPECT_TRUE(GameShell.PlaySound && GameShell.PlayMusic && GameShell.SecretCodes && GameShell.ShowInfo);
  EXPECT_EQ(GameShell.ExeDir, folder_.string() + "/");
  EXPECT_TRUE(w.GameFileName.empty());
  EXPECT_EQ(w.WebSiteURL, "http://www.tobboquest.com.ar/?s=game");  // no language file names another
}

TEST_F(MainWindow, WindowModeAloneGivesA320x240WindowWithTheMenu) {
  writeFile(folder_ / "Hopz.ini", "[DirectDraw]\r\nWindowMode=1\r\n");
  TfmMain& w = create();
  EXPECT_EQ(w.Display, TDisplayChoice::Window640x480x32);
  EXPECT_TRUE(w.WindowMode && w.DXScreen->WindowMode);
  EXPECT_EQ(w.DXScreen->DisplayMode, dm640x480x32);
  EXPECT_EQ(w.DXScreen->ColorDepth, 32);
  EXPECT_TRUE(w.MenuVisible);
  EXPECT_EQ(w.Left, 0);
  EXPECT_EQ(w.Top, 0);
  EXPECT_EQ(w.ClientWidth, 320);
  EXPECT_EQ(w.ClientHeight, 240);
}

TEST_F(MainWindow, KeysComeFromTheSettingsFile) {
  writeFile(folder_ / "Hopz.ini", "[Keyboard]\r\nKeyFire1=90\r\nKeyFire2=88\r\nKeyUp=87\r\nKeyStart=32\r\n");
  TfmMain& w = create();
  EXPECT_EQ(w.DXSprites->KeyFire1, 90);
  EXPECT_EQ(w.DXSprites->KeyFire2, 88);
  EXPECT_EQ(w.DXSprites->KeyUp, 87);
  EXPECT_EQ(w.DXSprites->KeyDown, 40);
  EXPECT_EQ(GameShell.KeyStart, 32);
  EXPECT_EQ(GameShell.KeySelect, 16);
}

// The settings program changes the file while the game runs: destruction writes
// the game's own keys into the file as it is then, and the others stay as changed.
TEST_F(MainWindow, DestructionWritesItsKeysIntoTheFileAsItIsOnDiskThen) {
  writeFile(folder_ / "Hopz.ini", "[Options]\r\nLanguage=\r\nShowInfo=1\r\n[DirectDraw]\r\nWindowMode=1\r\n");
  create();
  GameShell.ShowInfo = false;
  GameShell.PlaySound = false;
  writeFile(folder_ / "Hopz.ini",
            "[Options]\r\nLanguage=English\r\nShowInfo=1\r\nFrameDelay=5\r\n[Keyboard]\r\nKeyFire1=90\r\n"
            "[DirectDraw]\r\nWindowMode=1\r\n[DirectSound]\r\nPlaySound=1\r\n");
  window_->FormDestroy();
  EXPECT_EQ(readFile(folder_ / "Hopz.ini"),
            "[Options]\r\nLanguage=English\r\nShowInfo=0\r\nFrameDelay=5\r\nSecretCodes=1\r\nFullScreen=0\r\n"
            "[Keyboard]\r\nKeyFire1=90\r\n[DirectDraw]\r\nWindowMode=1\r\n[DirectSound]\r\nPlaySound=0\r\n"
            "PlayMusic=1\r\n[MainWindow]\r\nLeft=11\r\nTop=22\r\nWidth=333\r\nHeight=244\r\n");

  // Removed meanwhile: the file holds the game's keys.
  create();
  fs::remove(folder_ / "Hopz.ini");
  window_->FormDestroy();
  EXPECT_EQ(readFile(folder_ / "Hopz.ini"),
            "[Options]\r\nSecretCodes=1\r\nShowInfo=0\r\nFullScreen=0\r\n[DirectSound]\r\nPlaySound=0\r\n"
            "PlayMusic=1\r\n[MainWindow]\r\nLeft=11\r\nTop=22\r\nWidth=333\r\nHeight=244\r\n");
}

// Each start of the game seeds the random numbers (the rain, the map's wandering
// enemies) from the clock; a seed that a test fixed stays.
TEST_F(MainWindow, EachStartSeedsTheRandomNumbersFromTheClock) {
  platform::FakeClock clock(123456);
  platform::ScopedClock use(clock);
  auto numbersAfterCreation = [&] {
    create();
    std::vector<int> numbers;
    for (int i = 0; i < 8; ++i) numbers.push_back(platform::Random(1000));
    return numbers;
  };
  // Two starts of the program a millisecond apart.
  platform::randomSource().seed(0);
  const std::vector<int> first = numbersAfterCreation();
  clock.advance(1);
  platform::randomSource().seed(0);
  EXPECT_NE(numbersAfterCreation(), first);

  platform::fixRandomSeed(42);
  const std::vector<int> fixed = numbersAfterCreation();
  platform::unfixRandomSeed();
  platform::RandomSource seeded(42);
  for (int n : fixed) EXPECT_EQ(n, seeded.next(1000));
}

TEST_F(MainWindow, DestructionWritesBackWindowKeysOnlyInWindowMode) {
  writeFile(folder_ / "Hopz.ini", "[MainWindow]\r\nLeft=5\r\n");
  create();
  GameShell.PlayMusic = false;
  GameShell.FullScreen = true;
  window_->FormDestroy();
  EXPECT_EQ(readFile(folder_ / "Hopz.ini"),
            "[MainWindow]\r\nLeft=5\r\n[Options]\r\nSecretCodes=1\r\nShowInfo=1\r\nFullScreen=1\r\n"
            "[DirectSound]\r\nPlaySound=1\r\nPlayMusic=0\r\n");

  writeFile(folder_ / "Hopz.ini", "[DirectDraw]\r\nWindowMode=1\r\n");
  create();
  window_->FormDestroy();
  EXPECT_EQ(readFile(folder_ / "Hopz.ini"),
            "[DirectDraw]\r\nWindowMode=1\r\n[Options]\r\nSecretCodes=1\r\nShowInfo=1\r\nFullScreen=0\r\n"
            "[DirectSound]\r\nPlaySound=1\r\nPlayMusic=1\r\n[MainWindow]\r\nLeft=11\r\nTop=22\r\nWidth=333\r\n"
            "Height=244\r\n");
}

TEST_F(MainWindow, LanguageFileReplacesMenuCaptionsAndTexts) {
  writeFile(folder_ / "Hopz.ini", "[Options]\r\nLanguage=Test\r\n");
  writeFile(folder_ / "Languages" / "Test.ini",
            "[MainWindow]\r\nmnuFile=&File\r\nmnuExit=E&xit\r\nmnuGame=\r\nURL=http://example.test/?s=game\r\n"
            "StateSaved=Saved\r\n[Game]\r\nstrStart=Begin\r\n");
  TfmMain& w = create();
  EXPECT_EQ(findMenuItem(w.mnuMain, "mnuFile")->Caption, "&File");
  EXPECT_EQ(findMenuItem(w.mnuMain, "mnuExit")->Caption, "E&xit");
  EXPECT_EQ(findMenuItem(w.mnuMain, "mnuGame")->Caption, "&Juego");  // an empty value keeps the caption
  EXPECT_EQ(findMenuItem(w.mnuMain, "mnuRestart")->Caption, "&Reiniciar nivel");
  EXPECT_EQ(w.WebSiteURL, "http://example.test/?s=game");
  EXPECT_EQ(ShellTexts.StateSaved, "Saved");
  EXPECT_EQ(ShellTexts.StateLoaded, "Estado abierto");
  EXPECT_EQ(ShellTexts.strStart, "Begin");
  EXPECT_EQ(ShellTexts.strOptions, "Options");
}

TEST_F(MainWindow, LanguageFileWithoutAnAddressGivesTheGamePageOfTheWebSite) {
  writeFile(folder_ / "Hopz.ini", "[Options]\r\nLanguage=Test\r\n");
  for (const char* file : {"[Game]\r\nstrStart=Begin\r\n", "[MainWindow]\r\nURL=\r\n"}) {
    SCOPED_TRACE(file);
    writeFile(folder_ / "Languages" / "Test.ini", file);
    window_.reset();
    EXPECT_EQ(create().WebSiteURL, "http://www.tobboquest.com.ar/?s=game");
  }
}

TEST_F(MainWindow, MissingLanguageFileKeepsEveryText) {
  writeFile(folder_ / "Hopz.ini", "[Options]\r\nLanguage=Missing\r\n");
  TfmMain& w = create();
  const std::vector<TMenuItem> builtIn = defaultMainMenu();
  ASSERT_EQ(w.mnuMain.size(), builtIn.size());
  for (size_t i = 0; i < builtIn.size(); ++i) {
    EXPECT_EQ(w.mnuMain[i].Caption, builtIn[i].Caption);
    for (size_t j = 0; j < builtIn[i].Items.size(); ++j)
      EXPECT_EQ(w.mnuMain[i].Items[j].Caption, builtIn[i].Items[j].Caption);
  }
  EXPECT_EQ(ShellTexts.strStart, "Start");
  EXPECT_EQ(w.WebSiteURL, "http://www.tobboquest.com.ar/?s=game");
}

TEST_F(MainWindow, FramePacingByTargetRateOrFixedDelay) {
  TfmMain& w = create();
  platform::FakeClock clock(10000);
  platform::ScopedClock use(clock);
  const struct {
    bool autoAdjust;
    int fps, delay;
    int expectedFrameTime;
  } cases[] = {{true, 40, 0, 25}, {true, 45, 0, 23}, {false, 40, 0, 0}, {false, 40, 30, 30}};
  for (const auto& c : cases) {
    GameShell.AutoAdjustFrameDelay = c.autoAdjust;
    GameShell.FrameDelay = c.delay;
    w.TargetFPS = c.fps;
    w.LastFrameEnd = static_cast<int>(clock.timeGetTime());
    const uint32_t before = clock.timeGetTime();
    w.DXScreenFlip();
    EXPECT_EQ(w.FrameTime, c.expectedFrameTime) << c.fps << " " << c.delay;
    EXPECT_EQ(clock.timeGetTime() - before, static_cast<uint32_t>(c.expectedFrameTime));
    EXPECT_EQ(w.LastFrameEnd, static_cast<int>(clock.timeGetTime()));
  }
}

TEST_F(MainWindow, FramesAndSpriteEventsFollowTheScreenState) {
  TfmMain& w = create();
  GameShell.AutoAdjustFrameDelay = false;
  TGKSprite& sprite = w.DXSprites->Sprites.GetSprite(w.DXSprites->Sprites.AddBouncer(0, 0, 0, 8, 1.0, 0));
  const struct {
    int state;
    std::vector<std::string> expected;
  } cases[] = {{ssTitle, {"TitleFrame", "TitleSpriteMoved"}},
               {ssWorldMap, {"WorldMapFrame", "WorldMapSpriteMoved"}},
               {ssLevel, {"LevelFrame", "LevelSpriteMoved"}},
               {7, {}}};
  for (const auto& c : cases) {
    ScreenCalls.clear();
    w.SetScreenState(c.state);
    w.DXScreenFlip();
    w.DXSpritesSpriteMoved(sprite);
    EXPECT_EQ(ScreenCalls, c.expected) << c.state;
  }
}

TEST_F(MainWindow, PauseTextAndStateNoticesAreDrawnOverTheFrame) {
  TfmMain& w = create();
  GameShell.AutoAdjustFrameDelay = false;
  w.SetScreenState(ssLevel);
  w.SetPaused(true);
  w.DXScreenFlip();
  EXPECT_EQ(ScreenCalls, (std::vector<std::string>{"LevelFrame", "Text 126,100 PAUSA"}));
  w.SetPaused(false);

  // A load request is carried out at the end of the frame; its notice then shows on 51 frames.
  GameShell.OpenStatePending = true;
  ScreenCalls.clear();
  w.DXScreenFlip();
  EXPECT_EQ(ScreenCalls, (std::vector<std::string>{"LevelFrame", "LoadSavedState"}));
  EXPECT_FALSE(GameShell.OpenStatePending);
  int drawn = 0;
  for (int frame = 0; frame < 60; ++frame) {
    ScreenCalls.clear();
    w.DXScreenFlip();
    drawn += static_cast<int>(std::count(ScreenCalls.begin(), ScreenCalls.end(), "Text 4,4 Estado abierto"));
  }
  EXPECT_EQ(drawn, 51);
  EXPECT_FALSE(GameShell.StateOpenedNotice);
}

TEST_F(MainWindow, LivesWonAtOnceSoundOneByOne800msApart) {
  TfmMain& w = create();
  platform::FakeClock clock(5000);
  platform::ScopedClock use(clock);
  w.SetScreenState(ssLevel);
  w.LastFrameEnd = static_cast<int>(clock.timeGetTime());
  Level.Lives = 3;
  w.AddLives(3);
  EXPECT_EQ(Level.Lives, 6);
  std::vector<uint32_t> soundTimes{static_cast<uint32_t>(w.ExtraLifeSoundTime)};
  for (int frame = 0; frame < 200; ++frame) {
    const int before = GameShell.PendingExtraLives;
    w.DXScreenFlip();
    if (GameShell.PendingExtraLives < before) soundTimes.push_back(static_cast<uint32_t>(w.ExtraLifeSoundTime));
  }
  ASSERT_EQ(soundTimes.size(), 3u);
  EXPECT_EQ(soundTimes[0], 5000u);
  for (size_t i = 1; i < soundTimes.size(); ++i) {
    EXPECT_GT(soundTimes[i] - soundTimes[i - 1], 800u);
    EXPECT_LE(soundTimes[i] - soundTimes[i - 1], 800u + 25u);  // the next frame after the gap
  }
  EXPECT_EQ(GameShell.PendingExtraLives, 0);

  Level.Lives = 98;
  w.AddLives(3);  // no more than 99: the lives stay, the sounds still come
  EXPECT_EQ(Level.Lives, 98);
  EXPECT_EQ(GameShell.PendingExtraLives, 2);
}

TEST_F(MainWindow, LevelEndReturnsToTheMapAfterItsCountdown) {
  const struct {
    int bonusLives;
    int returnTick;
  } cases[] = {{0, 7}, {5, 12}, {1, 8}};
  for (const auto& c : cases) {
    TfmMain& w = create();
    w.SetScreenState(ssLevel);
    Level = TLevelState{};
    Level.LevelEnded = true;
    Level.EndStage = 7;
    Level.UnlimitedFlight = true;
    w.CardBonusLives = c.bonusLives;
    WorldMap.EnteredNode = 17;
    WorldMap.MapPosition = 20;
    int tick = 0;
    while (!Level.ReturnToMap && tick < 30) {
      ++tick;
      w.MainTimerTimer();
    }
    EXPECT_EQ(tick, c.returnTick) << "bonus " << c.bonusLives;
    EXPECT_EQ(Level.EndStage, -c.bonusLives);
    EXPECT_FALSE(Level.UnlimitedFlight);
    EXPECT_EQ(w.EndedNodes, std::vector<std::string>{"17"});
    EXPECT_EQ(WorldMap.MapPosition, 13);
    for (int more = 0; more < 3; ++more) w.MainTimerTimer();
    EXPECT_EQ(w.EndedNodes.size(), 1u);  // the countdown has stopped
  }
}

TEST_F(MainWindow, TimeOutKillsOnceAndTheClockStopsAtMinusOne) {
  TfmMain& w = create();
  w.SetScreenState(ssLevel);
  w.MainTimer.SetEnabled(true);
  Level.LevelTime = 2;
  for (int tick = 0; tick < 6; ++tick) w.MainTimerTimer();
  EXPECT_EQ(KillPlayerCalls, 1);
  EXPECT_EQ(Level.LevelTime, -1);
  EXPECT_FALSE(w.MainTimer.Enabled());  // the death hop turned the timer off
}

TEST_F(MainWindow, InvulnerabilityEndsWithThePlayerShownAgain) {
  TfmMain& w = create();
  w.SetScreenState(ssLevel);
  Level.LevelEnded = true;  // keep the clock out of it
  Level.HurtTimer = 2;
  for (int tick = 0; tick < 2; ++tick) w.MainTimerTimer();
  EXPECT_EQ(Level.HurtTimer, 0);
  w.MainTimerTimer();
  EXPECT_EQ(Level.HurtTimer, -1);
}

TEST_F(MainWindow, TitleTimerRaisesThePhaseToOne) {
  TfmMain& w = create();
  w.SetScreenState(ssTitle);
  for (int tick = 0; tick < 4; ++tick) w.MainTimerTimer();
  EXPECT_EQ(TitlePhase, 1);
}

TEST_F(MainWindow, OneShotEffectsHideWhenTheirAnimationEnds) {
  TfmMain& w = create();
  for (int kind : {61, 70, 101, 287, 350, 351, 352, 62, 349, 0}) {
    for (int a = w.DXSprites->Animations.Count(); a <= kind; ++a) w.DXSprites->Animations.Add("a", false);
    TGKSprite& s = w.DXSprites->Sprites.GetSprite(w.DXSprites->Sprites.AddBouncer(0, 0, 0, 8, 0, kind));
    w.DXSpritesAnimationEnd(s);
    const bool oneShot = kind == 61 || kind == 70 || kind == 101 || kind == 287 || (kind >= 350 && kind <= 352);
    EXPECT_EQ(s.Enabled, !oneShot) << kind;
    EXPECT_EQ(s.Visible, !oneShot) << kind;
  }
}

TEST_F(MainWindow, KeysAreRoutedAndTheFrameRateNeverDropsBelowFive) {
  TfmMain& w = create();
  w.SetScreenState(ssWorldMap);
  w.FormKeyDown(37, 0);
  w.FormKeyUp(37, 0);  // key up goes to levels only
  w.SetScreenState(ssLevel);
  w.FormKeyDown(19, 0);
  w.FormKeyUp(18, 0);
  EXPECT_EQ(ScreenCalls, (std::vector<std::string>{"WorldMapKeyDown 37", "LevelKeyDown 19", "LevelKeyUp 18"}));
  w.TargetFPS = 40;
  for (int press = 0; press < 8; ++press) w.FormKeyDown(platform::VK_F4, 0);
  EXPECT_EQ(w.TargetFPS, 5);
  w.FormKeyDown(platform::VK_F3, 0);
  EXPECT_EQ(w.TargetFPS, 10);
  w.FormKeyPress(27);
  EXPECT_EQ(closes, 1);
}

TEST_F(MainWindow, SecretCodeLettersAreCollectedUpperCase) {
  TfmMain& w = create();
  GameShell.SecretCodeEntry = true;
  for (char c : std::string("moon r_iver7!")) w.FormKeyPress(c);
  EXPECT_EQ(w.SecretCodeText, "MOONR_IVER");
}

TEST_F(MainWindow, PauseOnlyInLevels) {
  TfmMain& w = create();
  w.SetScreenState(ssWorldMap);
  w.FormClick();
  EXPECT_FALSE(w.Paused());
  w.SetScreenState(ssLevel);
  w.MainTimer.SetEnabled(true);
  w.FormClick();
  EXPECT_TRUE(w.Paused());
  EXPECT_TRUE(platform::playClock().standing());  // the timer stands with play time
  w.FormClick();
  EXPECT_FALSE(w.Paused());
  EXPECT_FALSE(platform::playClock().standing());
  EXPECT_TRUE(w.MainTimer.Enabled());
  // No sprite is frozen: the level frame plays nothing while the game stands.
  EXPECT_TRUE(ScreenCalls.empty());
}

// A window that goes while the game stands, for every reason at once, leaves
// play time running for whatever comes next.
TEST_F(MainWindow, AWindowGoneLeavesNoReasonToStand) {
  TfmMain& w = create();
  w.SetScreenState(ssLevel);
  for (platform::StandReason reason : {platform::StandReason::Paused, platform::StandReason::InBackground,
                                       platform::StandReason::InMenu, platform::StandReason::UnderDialog})
    w.SetStanding(reason, true);
  ASSERT_TRUE(platform::playClock().standing());
  window_.reset();
  EXPECT_FALSE(platform::playClock().standing());
}

TEST_F(MainWindow, MenuCommandsSetTheirFlags) {
  TfmMain& w = create();
  platform::RecordingShell shell;
  platform::setShell(&shell);
  w.MenuClick("mnuOpenState");
  EXPECT_TRUE(GameShell.OpenStatePending);
  // The level commands belong to a level: on the title they set nothing.
  ASSERT_EQ(w.ScreenState(), ssTitle);
  WorldMap.MapPosition = 20;
  w.MenuClick("mnuRestart");
  w.MenuClick("mnuReturnToMap");
  EXPECT_FALSE(Level.Rebuild != TRebuild::None || Level.LevelEnded || Level.ReturnToMap);
  EXPECT_EQ(WorldMap.MapPosition, 20);
  EXPECT_EQ(WorldMap.ShowPlayerTime, -1);
  w.MenuClick("mnuConfig");
  w.MenuClick("mnuHistory");
  w.MenuClick("mnuWebSite");  // no language file: the game's page all the same
  w.MenuClick("mnuExit");
  platform::setShell(nullptr);
  ASSERT_EQ(shell.requests.size(), 3u);
  EXPECT_EQ(shell.requests[0].kind, "document");
  EXPECT_EQ(shell.requests[0].target, "Hopz.ini");
  EXPECT_EQ(shell.requests[1].kind, "document");
  EXPECT_EQ(shell.requests[1].target, "Update.txt");
  EXPECT_EQ(shell.requests[2].kind, "web");
  EXPECT_EQ(shell.requests[2].target, "http://www.tobboquest.com.ar/?s=game");
  EXPECT_EQ(closes, 1);
}

// Advanced settings and the change history open their files of the program
// folder with the desktop's handler, through the real shell; when the file is
// not there or no handler takes it, a Spanish error says so instead of nothing.
TEST_F(MainWindow, ConfigAndHistoryOpenTheirFilesOrSaySoInSpanish) {
  TfmMain& w = create();
  DesktopHandOff desktop;
  std::vector<QUrl>& opened = desktop.opened;
  bool& handlerTakesIt = desktop.takes;
  const struct {
    const char* item;
    const char* file;
  } items[] = {{"mnuConfig", "Hopz.ini"}, {"mnuHistory", "Update.txt"}};
  const struct {
    const char* what;
    bool present, handlerTakesIt, opens;
  } cases[] = {{"file there, handler takes it", true, true, true},
               {"file missing", false, true, false},
               {"no handler for it", true, false, false}};
  for (const auto& item : items)
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(item.item) + ": " + c.what);
      fs::remove(folder_ / item.file);
      if (c.present) writeFile(folder_ / item.file, "[Options]\r\n");
      handlerTakesIt = c.handlerTakesIt;
      opened.clear();
      errors.clear();
      w.MenuClick(item.item);
      if (c.present) {
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(fs::path(opened[0].toLocalFile().toStdString()), folder_ / item.file);
      } else {
        EXPECT_TRUE(opened.empty());
      }
      if (c.opens) {
        EXPECT_TRUE(errors.empty());
      } else {
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], std::string("No se pudo abrir el archivo ") + item.file +
                                 ". Compruebe que exista en la carpeta del juego y que haya un programa para abrirlo.");
      }
    }
}

TEST_F(MainWindow, WebPageItemsOpenTheirPagesOrSaySoInSpanish) {
  TfmMain& w = create();
  DesktopHandOff desktop;
  std::vector<QUrl>& opened = desktop.opened;
  bool& browserTakesIt = desktop.takes;
  const struct {
    const char* item;
    std::string url;
  } items[] = {{"mnuWebSite", "http://www.tobboquest.com.ar/?s=game"},  // with no language file
               {"mnuFacebook", "https://www.facebook.com/tobboquest"},
               {"mnuTwitter", "https://twitter.com/tobboquest"}};
  for (const auto& item : items)
    for (bool takes : {true, false}) {
      SCOPED_TRACE(std::string(item.item) + (takes ? ": a browser opens it" : ": no browser"));
      browserTakesIt = takes;
      opened.clear();
      errors.clear();
      w.MenuClick(item.item);
      ASSERT_EQ(opened.size(), 1u);
      EXPECT_EQ(opened[0].toString().toStdString(), item.url);
      if (takes) {
        EXPECT_TRUE(errors.empty());
      } else {
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], "No se pudo abrir la p\xE1gina " + item.url + ". Compruebe que haya un navegador para abrirla.");
      }
    }
}

}  // namespace
