#include "editor/Docs/editor_settings.h"

namespace {
constexpr const char* mainWindow = "MainWindow";
constexpr const char* newLevel = "NewLevel";
}  // namespace

TEditorSettings::TEditorSettings(std::filesystem::path fileName) : ini_(std::move(fileName)) {}

TEditorWindowPlacement TEditorSettings::ReadMainWindow(const TEditorWindowPlacement& designed) const {
  TEditorWindowPlacement p;
  p.Left = ini_.readInteger(mainWindow, "Left", designed.Left);
  p.Top = ini_.readInteger(mainWindow, "Top", designed.Top);
  p.Width = ini_.readInteger(mainWindow, "Width", designed.Width);
  p.Height = ini_.readInteger(mainWindow, "Height", designed.Height);
  p.WindowState = ini_.readInteger(mainWindow, "WindowState", designed.WindowState);
  return p;
}

void TEditorSettings::WriteMainWindow(const TEditorWindowPlacement& placement) {
  if (placement.WindowState == EditorWindowNormal) {
    ini_.writeInteger(mainWindow, "Left", placement.Left);
    ini_.writeInteger(mainWindow, "Top", placement.Top);
    ini_.writeInteger(mainWindow, "Width", placement.Width);
    ini_.writeInteger(mainWindow, "Height", placement.Height);
  }
  ini_.writeInteger(mainWindow, "WindowState", placement.WindowState);
  ini_.save();
}

TNewLevelSettings TEditorSettings::ReadNewLevel() const {
  return {ini_.readString(newLevel, "BgImage", ""), ini_.readString(newLevel, "ImageLib", ""),
          ini_.readString(newLevel, "SoundLib", ""), ini_.readString(newLevel, "MidiFile", "")};
}
