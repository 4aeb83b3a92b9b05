#include "game/frmMain/frmMain.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZStar/star_field.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_commands.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Splash/screen_services.h"
#include "game/frmInit/app_title.h"
#include "game/frmMain/frame_pacer.h"
#include "platform/app/application.h"
#include "platform/core/clock.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "platform/core/play_clock.h"
#include "platform/core/random.h"
#include "platform/core/shell.h"

TfmMain* fmMain = nullptr;

namespace {

// Pages of the product on the two social networks of the Help menu.
const std::string kFacebookPage = "https://www.facebook.com/tobboquest";
const std::string kTwitterPage = "https://twitter.com/tobboquest";
// The game's change list in the program folder, which mnuHistory opens.
constexpr const char* kChangeList = "Update.txt";

// The frame rate never drops below this, so the frame period stays finite.
constexpr int kMinTargetFPS = 5;

// Effect sprites that hide themselves when their animation ends.
bool isOneShotEffect(int kind) {
  return kind == 61 || kind == 70 || kind == 101 || kind == 287 || (kind >= 350 && kind <= 352);
}

}  // namespace

TfmMain::TfmMain(platform::Form& form, TMainWindowHost host) : form_(form), host_(std::move(host)) {
  MainTimer.Interval = 1000;
  MainTimer.OnTimer = [this](TTimer&) { MainTimerTimer(); };

  DXImages = std::make_unique<TGKImageLib>();
  DXText = std::make_unique<TGKImageLib>();

  DXScreen = std::make_unique<TGKScreen>(form);
  TGKScreen& s = *DXScreen;
  s.DisplayMode = dm640x480x32;
  s.ColorDepth = 32;
  s.Debug = true;
  s.BeepOnException = false;
  s.PaletteCycle = false;
  s.ImageLibrary = DXImages.get();
  s.SkipTile0 = true;
  s.BackBuffers = 2;
  s.WindowMode = false;
  s.WindowVBL = true;
  s.PaletteMode = pmExclusive;
  s.WindowStretch = true;
  s.WinBufWidth = 320;
  s.WinBufHeight = 240;
  s.ShowMouse = true;
  s.OnFlip = [this](TGKScreen&) { DXScreenFlip(); };
  s.OnInitialize = [this](TGKScreen&) { InitializeDXScreen(); };
  s.OnCleanUp = [this](TGKScreen&) { DXScreenCleanUp(); };

  DXSprites = std::make_unique<TGKSpriteMgr>();
  TGKSpriteMgr& m = *DXSprites;
  m.ZEZScreen = DXScreen.get();
  m.KeyUp = 38, m.KeyDown = 40, m.KeyLeft = 37, m.KeyRight = 39, m.KeyFire1 = 18, m.KeyFire2 = 17;
  m.OnSpriteMoved = [this](TGKSprite& sprite) { DXSpritesSpriteMoved(sprite); };
  m.OnSpriteJump = [this](TGKSprite& sprite) { DXSpritesSpriteJump(sprite); };
  m.OnAnimationEnd = [this](TGKSprite& sprite) { DXSpritesAnimationEnd(sprite); };

  CreateAudio();
  CreateRain();
  mnuMain = defaultMainMenu();

  // The window description is loaded: the screen prepares its form for full screen.
  s.Loaded();
  s.SetFlippingEnabled(true);
}

TfmMain::~TfmMain() {
  // The screen's clean-up event reaches this object's fields, so the screen
  // goes first, while everything else still exists.
  DXScreen.reset();
  platform::application().OnException = nullptr;
  // Play time does not stand for a window that is gone.
  platform::playClock().clearStanding();
  if (fmMain == this) fmMain = nullptr;
}

int TfmMain::ScreenState() const { return DXSprites->ScreenState; }
void TfmMain::SetScreenState(int state) { DXSprites->ScreenState = state; }

void TfmMain::CreateRain() {
  for (std::unique_ptr<TGKStarField>* layer : {&DXRain1, &DXRain2}) {
    auto rain = std::make_unique<TGKStarField>();
    rain->SetNumberOfStars(200);
    rain->Velocity = 2;
    rain->Towards = false;
    rain->StarMode = Vertical;
    rain->ZEZScreen = DXScreen.get();
    rain->CenterX = rain->CenterY = TGKStarField::kAuto;
    rain->EdgeLeft = rain->EdgeTop = 0;
    rain->EdgeRight = rain->EdgeBottom = TGKStarField::kAuto;
    rain->Flashing = false;
    rain->Erase = false;
    rain->Colored = false;
    *layer = std::move(rain);
  }
}

void TfmMain::FormCreate() {
  fmMain = this;
  GameShell = TShellState{};
  ShellTexts = TShellTexts{};
  GameShell.OpenStatePending = false;
  // The rain and the map's wandering enemies differ from run to run (a test or
  // tqrun that fixed the seed keeps it).
  platform::Randomize();
  // The 1 ms timer resolution is what every clock here has already.
  GameShell.ExeDir = platform::programFolder().string();
  Settings = platform::IniFile(platform::resolvePath(kSettingsFile, GameShell.ExeDir));
  Caption = kApplicationTitle;
  SpriteKeys.clear();
  WanderPositions.clear();
  ScratchList.clear();
  EndedNodes.clear();

  THopzSettings settings;
  settings.read(Settings);
  GameShell.Language = settings.Language;
  LoadLanguage(settings.Language);
  GameShell.FrameDelay = settings.FrameDelay;
  GameShell.AutoAdjustFrameDelay = settings.AutoAdjustFrameDelay;
  GameShell.SecretCodes = settings.SecretCodes;
  GameShell.ShowInfo = settings.ShowInfo;
  GameShell.FullScreen = settings.FullScreen;

  TGKScreen& s = *DXScreen;
  Display = chooseDisplay(GetWindowsVersion(), settings.WindowMode, [this] {
    return host_.AskYesNo && host_.AskYesNo("Information", ShellTexts.strVistaFullScreen);
  });
  WindowMode = Display == TDisplayChoice::Window640x480x32;
  s.WindowMode = WindowMode;
  s.DisplayMode = Display == TDisplayChoice::FullScreen320x240x8 ? dm320x240x8 : dm640x480x32;
  s.ColorDepth = Display == TDisplayChoice::FullScreen320x240x8 ? 8 : 32;

  s.WindowStretch = settings.WindowStretch;
  s.WindowVBL = settings.WindowVBL;
  GameShell.KeyStart = settings.KeyStart;
  GameShell.KeySelect = settings.KeySelect;
  TGKSpriteMgr& m = *DXSprites;
  m.KeyFire1 = static_cast<uint16_t>(settings.KeyFire1);
  m.KeyFire2 = static_cast<uint16_t>(settings.KeyFire2);
  m.KeyUp = static_cast<uint16_t>(settings.KeyUp);
  m.KeyDown = static_cast<uint16_t>(settings.KeyDown);
  m.KeyLeft = static_cast<uint16_t>(settings.KeyLeft);
  m.KeyRight = static_cast<uint16_t>(settings.KeyRight);
  GameShell.PlaySound = settings.PlaySound;
  GameShell.PlayMusic = settings.PlayMusic;

  if (WindowMode) {
    Left = settings.Left;
    Top = settings.Top;
    ClientWidth = settings.Width;
    ClientHeight = settings.Height;
    MenuVisible = true;
    ShowCursor = true;
  } else {
    MenuVisible = false;
    ShowCursor = false;
    s.ShowMouse = false;
  }

  platform::application().OnException = [this](const std::exception& e) { AppException(e); };

  if (platform::fileExists("hopz.tqg", GameShell.ExeDir)) {
    GameFileName = platform::resolvePath("hopz.tqg", GameShell.ExeDir);
    LoadTitleResources();
  } else {
    // The title's resources wait for a game file from the menu, but the sound
    // effects are built once, when the audio starts, from the game's library:
    // without it every game of the run would be silent.
    screenAudio().LoadSoundLibrary(GameShell.ExeDir + "sounds\\game.sdl");
  }
}

void TfmMain::FormDestroy() {
  SpriteKeys.clear();
  WanderPositions.clear();
  ScratchList.clear();
  EndedNodes.clear();
  TSettingsWriteBack v{GameShell.SecretCodes, GameShell.ShowInfo, GameShell.FullScreen, GameShell.PlaySound,
                       GameShell.PlayMusic, WindowMode, Left, Top, ClientWidth, ClientHeight};
  if (WindowMode && host_.GetBounds) host_.GetBounds(v.Left, v.Top, v.Width, v.Height);
  try {
    // Only the keys the game owns, into the file as it is now: the settings
    // program may have changed the others while the game ran.
    platform::writeKeysIntoFileOnDisk(Settings.path(), [&v](platform::IniFile& ini) { writeBackSettings(ini, v); });
  } catch (const platform::IniWriteError& e) {
    // The window is going away; there is nobody left to tell but the console.
    std::fprintf(stderr, "Hopz: %s\n", e.what());
  }
}

void TfmMain::InitializeDXScreen() {
  LastFrameEnd = 0;
  TargetFPS = 40;
  const std::string font = "sprites\\text.iml";
  if (platform::fileExists(font, GameShell.ExeDir)) {
    try {
      DXText->LoadFromFile(platform::resolvePath(font, GameShell.ExeDir).string());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "Hopz: %s: %s\n", font.c_str(), e.what());
    }
  }
  BuildTextGlyphs();
  SetScreenState(ssTitle);
  StartTitleScreen();
}

void TfmMain::DXScreenCleanUp() {
  BackSurface.reset();
  TitleSurface2.reset();
}

void TfmMain::AppException(const std::exception&) {}

void TfmMain::LoadLanguage(const std::string& Name) {
  if (Name.empty()) return;
  const std::string stored = "Languages\\" + Name + ".ini";
  if (!platform::fileExists(stored, GameShell.ExeDir)) return;
  const platform::IniFile ini(platform::resolvePath(stored, GameShell.ExeDir));
  auto replace = [&](const char* section, const std::string& key, std::string& text) {
    std::string value = ini.readString(section, key, "");
    if (!value.empty()) text = std::move(value);
  };
  for (TMenuItem& top : mnuMain) {
    replace("MainWindow", top.Name, top.Caption);
    for (TMenuItem& item : top.Items) replace("MainWindow", item.Name, item.Caption);
  }
  if (host_.MenuChanged) host_.MenuChanged();
  replace("MainWindow", "URL", WebSiteURL);
  replace("MainWindow", "StateLoaded", ShellTexts.StateLoaded);
  replace("MainWindow", "StateSaved", ShellTexts.StateSaved);
  replace("MainWindow", "strVistaFullScreen", ShellTexts.strVistaFullScreen);
  TShellTexts& t = ShellTexts;
  for (auto [key, text] : {std::pair{"strStart", &t.strStart}, {"strOptions", &t.strOptions},
                           {"strOptSound", &t.strOptSound}, {"strOptMusic", &t.strOptMusic},
                           {"strOptStatusBar", &t.strOptStatusBar}, {"strOptSecretCodes", &t.strOptSecretCodes},
                           {"strOptStats", &t.strOptStats}, {"strOptBack", &t.strOptBack},
                           {"strOptYes", &t.strOptYes}, {"strOptNo", &t.strOptNo},
                           {"strLevelComplete", &t.strLevelComplete}, {"strLevelCard", &t.strLevelCard},
                           {"strLifes", &t.strLifes}})
    replace("Game", key, *text);
}

void TfmMain::DXScreenFlip() {
  platform::Clock& clock = platform::activeClock();
  const uint32_t waited = GameShell.AutoAdjustFrameDelay
                              ? waitForFramePeriod(clock, static_cast<uint32_t>(LastFrameEnd), TargetFPS)
                              : waitForFrameDelay(clock, GameShell.FrameDelay);
  FrameTime = static_cast<int>(waited - static_cast<uint32_t>(LastFrameEnd));

  if (GameShell.PendingExtraLives > 0 && platform::MsSince(ExtraLifeSoundTime) > 800) {
    PlaySoundEffect(SoundOneUp);
    ExtraLifeSoundTime = platform::StampNow();
    --GameShell.PendingExtraLives;
  }

  switch (ScreenState()) {
    case ssTitle: TitleFrame(); break;
    case ssWorldMap: WorldMapFrame(); break;
    case ssLevel: LevelFrame(); break;
    default: break;
  }
  if (Paused()) DrawBitmapText(126, 100, "PAUSA");
  LastFrameEnd = static_cast<int>(platform::timeGetTime());

  if (GameShell.StateOpenedNotice) {
    DrawBitmapText(4, 4, ShellTexts.StateLoaded);
    if (GameShell.StateMessageFrames <= 0) {
      GameShell.StateMessageFrames = 0;
      GameShell.StateOpenedNotice = false;
    }
    --GameShell.StateMessageFrames;
  }
  if (GameShell.StateSavedNotice) {
    DrawBitmapText(4, 4, ShellTexts.StateSaved);
    if (GameShell.StateMessageFrames <= 0) {
      GameShell.StateMessageFrames = 0;
      GameShell.StateSavedNotice = false;
    }
    --GameShell.StateMessageFrames;
  }
  if (GameShell.OpenStatePending) {
    GameShell.OpenStatePending = false;
    GameShell.StateSavedNotice = false;
    GameShell.StateOpenedNotice = true;
    GameShell.StateMessageFrames = 50;
    LoadSavedState();
  }
}

void TfmMain::DXSpritesSpriteMoved(TGKSprite& Sprite) {
  switch (ScreenState()) {
    case ssTitle: TitleSpriteMoved(Sprite); break;
    case ssWorldMap: WorldMapSpriteMoved(Sprite); break;
    case ssLevel: LevelSpriteMoved(Sprite); break;
    default: break;
  }
}

void TfmMain::DXSpritesSpriteJump(TGKSprite&) {
  PlaySoundEffect(SoundJump);
  const int standing = Level.StandingOnSprite;
  if (standing != -1 && standing >= 0 && standing < DXSprites->Sprites.Count())
    DXSprites->Sprites.GetSprite(standing).Detach();
}

void TfmMain::DXSpritesAnimationEnd(TGKSprite& Sprite) {
  if (!isOneShotEffect(Sprite.Animation)) return;
  Sprite.Disable();
  Sprite.Hide();
}

void TfmMain::MainTimerTimer() {
  const int state = ScreenState();
  if (state == ssTitle) {
    if (TitlePhase < 1) ++TitlePhase;
    return;
  }
  if (state != ssLevel) return;

  if (Level.HurtTimer > -1) {
    if (Level.HurtTimer > 0) {
      --Level.HurtTimer;
    } else {
      Level.HurtTimer = -1;
      if (Level.Player) Level.Player->Show();
    }
  }

  if (Level.EndStage > -CardBonusLives) {
    if (Level.EndStage > 1 - CardBonusLives) {
      --Level.EndStage;
    } else {
      Level.EndStage = -CardBonusLives;
      Level.UnlimitedFlight = false;
      MarkEnteredNodeEnded();  // once, even for a level won again
      LeaveLevelForMap(TMapPlayerShows::ByMapRules);  // the node just won shows first
    }
  }

  if (Level.PlayerDying) {
    MainTimer.SetEnabled(false);
    DeathHop();
  }

  // The clock: it stands once the level is won or ended, and through a death;
  // one condition for both steps, so a time-out kills once and the clock reads
  // -1 afterwards.
  if (!Level.LevelWon && !Level.LevelEnded && !Level.PlayerDying) {
    if (Level.LevelTime == 0) KillPlayer();
    // A time-out the player cannot die of yet (in a pipe, rising out of one)
    // holds the clock at 0 until he can.
    if (Level.LevelTime != 0 || Level.PlayerDying) --Level.LevelTime;
  }
}

void TfmMain::DeathHop() {
  TGKJumper* player = Level.Player;
  if (!player) return;
  player->SetJumpState(jsRising);
  player->SetVelocityY(-5.0);
  player->SetEdgeActions(3);  // it may leave the screen
}

void TfmMain::AddLives(int N) {
  if (Level.Lives < 100 - N) Level.Lives += N;
  PlaySoundEffect(SoundOneUp);
  GameShell.PendingExtraLives = N - 1;
  ExtraLifeSoundTime = platform::StampNow();
}

void TfmMain::RemoveLives(int N) { Level.Lives -= N; }

void TfmMain::FormKeyDown(int Key, TShiftState Shift) {
  switch (ScreenState()) {
    case ssTitle: TitleKeyDown(Key); break;
    case ssWorldMap: WorldMapKeyDown(Key); break;
    case ssLevel: LevelKeyDown(Key, Shift); break;
    default: break;
  }
  if (Key == platform::VK_F3) ChangeTargetFPS(5);
  if (Key == platform::VK_F4) ChangeTargetFPS(-5);
}

void TfmMain::FormKeyUp(int Key, TShiftState) {
  if (ScreenState() == ssLevel) LevelKeyUp(Key);
}

void TfmMain::FormKeyPress(char Key) {
  if (Key == 27) {
    if (host_.Close) host_.Close();
    return;
  }
  if (!GameShell.SecretCodeEntry) return;
  const unsigned char c = static_cast<unsigned char>(Key);
  if (std::isalpha(c) || c == '_') SecretCodeText += static_cast<char>(std::toupper(c));
}

void TfmMain::FormClick() {
  if (Paused())
    ResumeGame();
  else
    PauseGame();
}

void TfmMain::PauseGame() {
  if (ScreenState() != ssLevel) return;
  // The one-second timer stands with play time and keeps its beat; the level
  // frame plays nothing while the game stands.
  SetPaused(true);
  PlaySoundEffect(SoundPause);
}

void TfmMain::ResumeGame() {
  if (ScreenState() != ssLevel) return;
  SetPaused(false);
  PlaySoundEffect(SoundPause);
}

void TfmMain::ChangeTargetFPS(int delta) {
  TargetFPS = std::max(kMinTargetFPS, TargetFPS + delta);
}

void TfmMain::MenuClick(const std::string& name) {
  if (name == "mnuOpenGame") {
    if (dlgOpen.Execute && dlgOpen.Execute(dlgOpen)) {
      GameFileName = dlgOpen.FileName;
      ReturnToTitle();
    }
  } else if (name == "mnuOpenState") {
    GameShell.OpenStatePending = true;
  } else if (name == "mnuSaveState") {
    SaveState();
  } else if (name == "mnuExit") {
    if (host_.Close) host_.Close();
  } else if (name == "mnuRestart") {
    RestartLevelCommand();
  } else if (name == "mnuReturnToMap") {
    ReturnToMapCommand();
  } else if (name == "mnuSecretCode") {
    // As Backspace: on the map and in levels, not on the title.
    if (ScreenState() != ssTitle) ToggleSecretCode();
  } else if (name == "mnuIncFPS") {
    ChangeTargetFPS(5);
  } else if (name == "mnuDecFPS") {
    ChangeTargetFPS(-5);
  } else if (name == "mnuConfig") {
    OpenDocument(kSettingsFile);
  } else if (name == "mnuWebSite") {
    OpenWebPage(WebSiteURL);
  } else if (name == "mnuFacebook") {
    OpenWebPage(kFacebookPage);
  } else if (name == "mnuTwitter") {
    OpenWebPage(kTwitterPage);
  } else if (name == "mnuHistory") {
    OpenDocument(kChangeList);
  }
}

void TfmMain::OpenDocument(const std::string& file) {
  if (platform::shell().openDocument(file)) return;
  if (host_.ShowError) host_.ShowError("Error", DocumentNotOpenedText(file));
}

void TfmMain::OpenWebPage(const std::string& url) {
  if (platform::shell().openWebPage(url)) return;
  if (host_.ShowError) host_.ShowError("Error", WebPageNotOpenedText(url));
}
