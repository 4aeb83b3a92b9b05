#pragma once
// The game's main window as a plain object: its components, the shell state it
// holds, and its handlers (creation and destruction, the frame, sprite events,
// the one-second timer, music, keys and menu). A window class hosts it and
// forwards its events; tests drive it directly. Level play, the title and the
// world map reach it through `fmMain`.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/frmInit/app_title.h"
#include "game/frmMain/display_choice.h"
#include "game/frmMain/main_menu.h"
#include "game/frmMain/pending_screens.h"
#include "game/frmMain/settings.h"
#include "game/frmMain/shell_state.h"
#include "game/frmMain/timer.h"
#include "platform/core/ini_file.h"
#include "platform/core/play_clock.h"
#include "platform/core/tick_stamp.h"

namespace platform {
class Form;
class GdiBitmap;
}
class TGKScreen;
class TGKSpriteMgr;
class TGKSprite;
class TGKImageLib;
class TGKAudio;
class TGKSoundLib;
class TGKSoundBuffer;
class TMediaPlayer;
class TGKStarField;
class TGKSurface;

// The open-file dialog of File/Open game; the window supplies Execute.
struct TOpenDialog {
  std::string DefaultExt = "tqg";
  std::string Filter = "Tobbo Quest Studio Games|*.tqg";
  std::filesystem::path FileName;  // as the disk names it
  // Shows the dialog; true with FileName set when the user confirmed a file.
  std::function<bool(TOpenDialog& dialog)> Execute;
};

// What the main window needs from the window that hosts it.
struct TMainWindowHost {
  // Yes/No question box (title, text); true for Yes.
  std::function<bool(const std::string& title, const std::string& text)> AskYesNo;
  // Closes the window (File/Exit, Esc); destruction follows.
  std::function<void()> Close;
  // Current outer position and client size, for the settings written back.
  std::function<void(int& left, int& top, int& clientWidth, int& clientHeight)> GetBounds;
  // The menu changed (a language file replaced captions).
  std::function<void()> MenuChanged;
  // Error box (title, text) with one button.
  std::function<void(const std::string& title, const std::string& text)> ShowError;
};

class TfmMain {
 public:
  // Creates and wires the components as the window description does; form is
  // the window that shows the screen.
  explicit TfmMain(platform::Form& form, TMainWindowHost host = {});
  ~TfmMain();
  TfmMain(const TfmMain&) = delete;
  TfmMain& operator=(const TfmMain&) = delete;

  // Components, owned for the whole run.
  TOpenDialog dlgOpen;
  TTimer MainTimer;
  std::unique_ptr<TGKScreen> DXScreen;
  std::unique_ptr<TGKSpriteMgr> DXSprites;
  std::unique_ptr<TGKImageLib> DXImages;
  // Shared so that only the file that creates the sound objects needs their types.
  std::shared_ptr<TGKAudio> DXAudio;
  std::shared_ptr<TGKSoundLib> DXSounds;
  std::shared_ptr<TMediaPlayer> MIDIPlayer;  // Tag 1: loop the piece (MIDIPlayerNotify)
  std::unique_ptr<TGKStarField> DXRain1, DXRain2;
  std::unique_ptr<TGKImageLib> DXText;
  // The status bar's background picture; StatusPicture loads it on first use.
  std::shared_ptr<platform::GdiBitmap> StatusBmp;
  std::vector<TMenuItem> mnuMain;

  // Window layout chosen at creation.
  std::string Caption;
  TDisplayChoice Display = TDisplayChoice::FullScreen320x240x8;
  bool WindowMode = false;
  bool MenuVisible = false;  // full screen has no menu, so no shortcuts either
  bool ShowCursor = false;
  int Left = 0, Top = 0, ClientWidth = 320, ClientHeight = 240;

  // Fields.
  std::vector<std::unique_ptr<TGKSurface>> TextGlyphs;
  std::filesystem::path GameFileName;  // as the disk names it; empty before a game is chosen
  int LastFrameEnd = 0;
  int CameraX = 0, CameraY = 0;
  int FrameTime = 0;
  int TargetFPS = 40;
  std::string MapShortName;
  std::string SecretCodeText;
  std::unique_ptr<TGKSurface> BackSurface;
  std::unique_ptr<TGKSurface> TitleSurface2;
  std::array<TGKSoundBuffer*, 6> CoinSounds{}, BrickSounds{};  // owned by DXAudio
  int CoinSoundIndex = 0, BrickSoundIndex = 0;
  std::vector<std::string> SpriteKeys;
  std::array<TGKSprite*, 4> DustSprites{};  // owned by DXSprites
  int DustIndex = 0;
  std::array<TGKSprite*, 4> DropsSprites{};
  int DropsIndex = 0;
  std::array<int, 3> Cards{};
  int NextCardSlot = 0;
  int CardBonusLives = 0;
  std::vector<std::string> EndedNodes;
  int RunMeter = 0;
  int RunMeterFullTime = platform::NoStamp, RunMeterBlinkTime = platform::NoStamp;  // tick stamps
  int ExtraLifeSoundTime = platform::NoStamp;
  std::vector<std::string> WanderPositions;
  std::vector<std::string> ScratchList;
  std::string WebSiteURL = kGamePage;  // a language file may name another

  // The settings file as creation read it; destruction writes the game's own
  // keys into the file as it is then (see FormDestroy).
  platform::IniFile Settings;

  void FormCreate();
  void FormDestroy();
  void InitializeDXScreen();
  void DXScreenCleanUp();
  void DXAudioInitialize();
  // The application's exception handler: exceptions are dropped without a word.
  void AppException(const std::exception& E);

  void LoadLanguage(const std::string& Name);

  // One frame: pacing, extra-life sounds, the screen's frame, pause text,
  // notices and a pending saved-state load.
  void DXScreenFlip();
  void DXSpritesSpriteMoved(TGKSprite& Sprite);
  void DXSpritesSpriteJump(TGKSprite& Sprite);
  void DXSpritesAnimationEnd(TGKSprite& Sprite);
  void MainTimerTimer();
  void MIDIPlayerNotify();

  // Lives won or lost by level play; won lives sound one by one.
  void AddLives(int N);
  void RemoveLives(int N);
  // Plays a sound effect of DXAudio when PlaySound is on.
  void PlaySoundEffect(int index);

  // Keys (virtual keys) and the window's click.
  void FormKeyDown(int Key, TShiftState Shift);
  void FormKeyUp(int Key, TShiftState Shift);
  void FormKeyPress(char Key);
  void FormClick();
  void PauseGame();
  void ResumeGame();
  // Paused, and play time with it (a pause left behind with its level is ended
  // by this too).
  void SetPaused(bool Paused);
  bool Paused() const;
  // The window gained or lost the focus: in the background the game stands.
  void WindowActivated(bool Active);
  // A reason for the game to stand comes or goes (game_stands.cpp): play time
  // and the tune stand while any holds, and each one that comes lets go of the
  // keys held. The play clock keeps the reasons.
  void SetStanding(platform::StandReason reason, bool on);
  // Paused, in the background, or under the game's own menu or dialog: the
  // level frame then shows the level as it stands and plays nothing.
  bool GameStands() const;
  // Delivers the music player's end notice unless the game stands (it waits).
  void PollMusic();
  void ToggleSecretCode();
  // A menu item was chosen (by name, "mnuExit"...).
  void MenuClick(const std::string& name);

  // The screen that is up (the sprite manager keeps it): ssTitle 0,
  // ssWorldMap 1, ssLevel 2.
  int ScreenState() const;
  void SetScreenState(int state);

  // Helpers of the status bar, the effect rings, the player mode and the camera;
  // their modules define them.
  void BuildTextGlyphs();
  void DrawBitmapText(int X, int Y, const std::string& Text);
  void DrawStatusBar();
  void ShowDust(int X, int Y);
  void ShowDrops(int X, int Y);
  void SetPlayerMode(int Mode, bool Hurt);
  void ScrollView();
  // The status bar's picture ("bitmaps\\status.bmp"; 320 x 26 black when missing).
  const platform::GdiBitmap& StatusPicture();

 private:
  void ChangeTargetFPS(int delta);
  // Open a file of the program folder, or a web page, with the desktop's
  // handler; each says so when it cannot.
  void OpenDocument(const std::string& file);
  void OpenWebPage(const std::string& url);
  void DeathHop();
  // The audio objects and the rain layers (their own file, frmMain_audio.cpp).
  void CreateAudio();
  void CreateRain();
  platform::Form& form_;
  TMainWindowHost host_;
  std::string stoodTune_;  // the tune the game's stand stopped; empty for none
};

// The one main window.
extern TfmMain* fmMain;
