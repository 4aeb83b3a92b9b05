#pragma once
// The editor's settings file "Zadizuv.ini": the main window's placement and the
// resources of new levels. Every read and write goes to the file as it stands on
// the disk at that moment, since the user may edit it by hand while the editor runs.
#include <filesystem>
#include <string>

inline constexpr const char* EditorSettingsFileName = "Zadizuv.ini";

// [NewLevel]: read only; the user edits it by hand. Missing keys are empty.
struct TNewLevelSettings {
  std::string BgImage;
  std::string ImageLib;
  std::string SoundLib;  // of new levels and new maps
  std::string MidiFile;
};

enum TEditorWindowState : int { EditorWindowNormal = 0, EditorWindowMinimized = 1, EditorWindowMaximized = 2 };

struct TEditorWindowPlacement {
  int Left = 0, Top = 0, Width = 0, Height = 0;  // outer edges
  int WindowState = EditorWindowNormal;
};

class TEditorSettings {
 public:
  explicit TEditorSettings(std::filesystem::path fileName);

  // [MainWindow]; each missing key keeps the designed value passed in.
  TEditorWindowPlacement ReadMainWindow(const TEditorWindowPlacement& designed) const;
  // Left, Top, Width and Height only in the normal state (a maximised window keeps
  // its last normal placement), then WindowState, into the file as it is now;
  // the rest of the file stays as it is. Throws platform::IniWriteError when the
  // file cannot be written.
  void WriteMainWindow(const TEditorWindowPlacement& placement);

  // [NewLevel] as the file holds it now.
  TNewLevelSettings ReadNewLevel() const;

 private:
  std::filesystem::path fileName_;
};
