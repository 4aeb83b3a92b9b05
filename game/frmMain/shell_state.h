#pragma once
// The game shell's variables that level play, the title and the world map share
// with the main window: one instance, `GameShell`. The main window's creation
// sets them from the settings file. Text is Windows-1252.
#include <string>

// Which screen is up; the sprite manager keeps the value (TGKSpriteMgr::ScreenState).
enum TScreenState : int { ssTitle = 0, ssWorldMap = 1, ssLevel = 2 };

struct TShellState {
  std::string ExeDir;           // program folder with a trailing separator; prefix of every game path
  // Settings of Hopz.ini (the main window reads them at creation).
  std::string Language;         // language file name, empty for none
  int FrameDelay = 0;           // ms per frame when AutoAdjustFrameDelay is off
  bool AutoAdjustFrameDelay = true;  // pace by the target frame rate
  bool SecretCodes = true;      // secret-code entry allowed
  bool ShowInfo = true;         // object and frame counters in the status bar
  bool FullScreen = false;      // status bar hidden, play area on the whole screen
  bool PlaySound = true;        // guards every sound effect
  bool PlayMusic = true;        // guards every music start
  int KeyStart = 13;            // start/confirm key (virtual key)
  int KeySelect = 16;           // select key

  // Play state shared with level play (whether the game is paused is the play
  // clock's: TfmMain::Paused).
  int PlayerMode = 0;           // TPlayerMode
  int EntryMode = 0;            // TEntryMode
  int EntryDirection = 0;       // TEntryDirection
  int PendingExtraLives = 0;    // one-up sounds still to play, 800 ms apart

  // Saved-state requests and notices.
  bool OpenStatePending = false;
  bool StateOpenedNotice = false;
  bool StateSavedNotice = false;
  int StateMessageFrames = 0;   // frames left for the notice that shows

  // Secret-code entry.
  bool SecretCodeEntry = false;
};

extern TShellState GameShell;

// Texts a language file can replace (the main window's part of it).
struct TShellTexts {
  std::string StateLoaded = "Estado abierto";
  std::string StateSaved = "Estado guardado";
  std::string strVistaFullScreen =
      "Esta versi\xF3n tiene problemas de compatibilidad con Windows Vista/7 en pantalla completa. "
      "\xBF" "Deseas ejecutar el juego en modo ventana?";
  // The title menu and the level end.
  std::string strStart = "Start";
  std::string strOptions = "Options";
  std::string strOptSound = "Enable sounds";
  std::string strOptMusic = "Enable music";
  std::string strOptStatusBar = "Show status bar";
  std::string strOptSecretCodes = "Secret codes";
  std::string strOptStats = "Show stats";
  std::string strOptBack = "Back";
  std::string strOptYes = "Yes";
  std::string strOptNo = "No";
  std::string strLevelComplete = "Level complete !";
  std::string strLevelCard = "You got a card";
  std::string strLifes = "UP";
};

extern TShellTexts ShellTexts;
