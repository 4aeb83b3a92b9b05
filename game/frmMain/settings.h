#pragma once
// The player settings file Hopz.ini: every key with its default, read once when
// the main window is created; a few are written back when it is destroyed.
#include "platform/core/ini_file.h"

// Its name in the program folder; the menu's mnuConfig opens it with the desktop's default handler.
inline constexpr const char* kSettingsFile = "Hopz.ini";

struct THopzSettings {
  // [Options]
  std::string Language;
  int FrameDelay = 0;
  bool AutoAdjustFrameDelay = true;
  bool SecretCodes = true;
  bool ShowInfo = true;
  bool FullScreen = false;
  // [DirectDraw]
  bool WindowMode = false;
  bool WindowStretch = true;
  bool WindowVBL = false;
  // [Keyboard] (virtual keys)
  int KeyStart = 13, KeySelect = 16;
  int KeyFire1 = 18, KeyFire2 = 17;
  int KeyUp = 38, KeyDown = 40, KeyLeft = 37, KeyRight = 39;
  // [DirectSound]
  bool PlaySound = true;
  bool PlayMusic = true;
  // [MainWindow], used in window mode only: the outer position and the client size.
  int Left = 0, Top = 0, Width = 320, Height = 240;

  // Missing keys keep the values this object holds (the defaults above).
  void read(const platform::IniFile& ini);
};

// What destruction writes back: [Options] SecretCodes, ShowInfo, FullScreen;
// [DirectSound] PlaySound, PlayMusic; in window mode [MainWindow] Left, Top,
// Width, Height. Booleans as 1 and 0.
struct TSettingsWriteBack {
  bool SecretCodes, ShowInfo, FullScreen, PlaySound, PlayMusic;
  bool WindowMode;
  int Left, Top, Width, Height;
};
void writeBackSettings(platform::IniFile& ini, const TSettingsWriteBack& values);
