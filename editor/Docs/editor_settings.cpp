#include "editor/Docs/editor_settings.h"

#include "platform/core/ini_file.h"

namespace {
constexpr const char* mainWindow = "MainWindow";
constexpr const char* newLevel = "NewLevel";
}  // namespace

TEditorSettings::TEditorSettings(std::filesystem::path fileName) : fileName_(std::move(fileName)) {}

TEditorWindowPlacement TEditorSettings::ReadMainWindow(const TEditorWindowPlacement& designed) const {
  const platform::IniFile ini(fileName_);
  TEditorWindowPlacement p;
  p.Left = ini.readInteger(mainWindow, "Left", designed.Left);
  p.Top = ini.readInteger(mainWindow, "Top", designed.Top);
  p.Width = ini.readInteger(mainWindow, "Width", designed.Width);
  p.Height = ini.readInteger(mainWindow, "Height", designed.Height);
  p.WindowState = ini.readInteger(mainWindow, "WindowState", designed.WindowState);
  return p;
}

void TEditorSettings::WriteMainWindow(const TEditorWindowPlacement& placement) {
  // Into the file as it stands now: whatever the user edited by hand meanwhile stays.
  platform::writeKeysIntoFileOnDisk(fileName_, [&](platform::IniFile& ini) {
    if (placement.WindowState == EditorWindowNormal) {
      ini.writeInteger(mainWindow, "Left", placement.Left);
      ini.writeInteger(mainWindow, "Top", placement.Top);
      ini.writeInteger(mainWindow, "Width", placement.Width);
      ini.writeInteger(mainWindow, "Height", placement.Height);
    }
    ini.writeInteger(mainWindow, "WindowState", placement.WindowState);
  });
}

TNewLevelSettings TEditorSettings::ReadNewLevel() const {
  const platform::IniFile ini(fileName_);
  return {ini.readString(newLevel, "BgImage", ""), ini.readString(newLevel, "ImageLib", ""),
          ini.readString(newLevel, "SoundLib", ""), ini.readString(newLevel, "MidiFile", "")};
}
