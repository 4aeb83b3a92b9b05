#include "game/frmMain/settings.h"

void THopzSettings::read(const platform::IniFile& ini) {
  Language = ini.readString("Options", "Language", Language);
  FrameDelay = ini.readInteger("Options", "FrameDelay", FrameDelay);
  AutoAdjustFrameDelay = ini.readBool("Options", "AutoAdjustFrameDelay", AutoAdjustFrameDelay);
  SecretCodes = ini.readBool("Options", "SecretCodes", SecretCodes);
  ShowInfo = ini.readBool("Options", "ShowInfo", ShowInfo);
  FullScreen = ini.readBool("Options", "FullScreen", FullScreen);
  WindowMode = ini.readBool("DirectDraw", "WindowMode", WindowMode);
  WindowStretch = ini.readBool("DirectDraw", "WindowStretch", WindowStretch);
  WindowVBL = ini.readBool("DirectDraw", "WindowVBL", WindowVBL);
  KeyStart = ini.readInteger("Keyboard", "KeyStart", KeyStart);
  KeySelect = ini.readInteger("Keyboard", "KeySelect", KeySelect);
  KeyFire1 = ini.readInteger("Keyboard", "KeyFire1", KeyFire1);
  KeyFire2 = ini.readInteger("Keyboard", "KeyFire2", KeyFire2);
  KeyUp = ini.readInteger("Keyboard", "KeyUp", KeyUp);
  KeyDown = ini.readInteger("Keyboard", "KeyDown", KeyDown);
  KeyLeft = ini.readInteger("Keyboard", "KeyLeft", KeyLeft);
  KeyRight = ini.readInteger("Keyboard", "KeyRight", KeyRight);
  PlaySound = ini.readBool("DirectSound", "PlaySound", PlaySound);
  PlayMusic = ini.readBool("DirectSound", "PlayMusic", PlayMusic);
  Left = ini.readInteger("MainWindow", "Left", Left);
  Top = ini.readInteger("MainWindow", "Top", Top);
  Width = ini.readInteger("MainWindow", "Width", Width);
  Height = ini.readInteger("MainWindow", "Height", Height);
}

void writeBackSettings(platform::IniFile& ini, const TSettingsWriteBack& v) {
  ini.writeBool("Options", "SecretCodes", v.SecretCodes);
  ini.writeBool("Options", "ShowInfo", v.ShowInfo);
  ini.writeBool("Options", "FullScreen", v.FullScreen);
  ini.writeBool("DirectSound", "PlaySound", v.PlaySound);
  ini.writeBool("DirectSound", "PlayMusic", v.PlayMusic);
  if (!v.WindowMode) return;
  ini.writeInteger("MainWindow", "Left", v.Left);
  ini.writeInteger("MainWindow", "Top", v.Top);
  ini.writeInteger("MainWindow", "Width", v.Width);
  ini.writeInteger("MainWindow", "Height", v.Height);
}
