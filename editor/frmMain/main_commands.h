#pragma once
// The commands of the editor's main window, without any window system: what
// each menu item, toolbar button and key does to the document windows. A
// document that cannot be written or drawn is reported in an error message and
// stays open as it was; any other error ends the command where it was raised,
// and the program's exception handler swallows it.
#include <memory>
#include <string>
#include <vector>

#include "editor/Docs/editor_settings.h"
#include "editor/frmMain/main_host.h"

inline constexpr const char* kMainCaption = "Editor de Tobbo Quest";
inline constexpr const char* kGameProgram = "Hopz.exe";
inline constexpr const char* kHelpProgram = "Divizud.exe";
inline constexpr const char* kHelpFailed =
    "No se pudo iniciar la ayuda. Compruebe que el archivo Divizud.exe exista y que no est\xE9 da\xF1" "ado.";
inline constexpr const char* kRegisteredText =
    "Los tipos de archivo quedaron asociados: los niveles, mapas y juegos se abren con el editor.";
inline constexpr const char* kRegisterTitle = "Asociar tipos de archivo";

// The zoom box's items and the factor each stands for.
struct TZoomItem {
  const char* text;
  double factor;
};
inline constexpr TZoomItem kZoomItems[] = {{"25%", 0.25}, {"50%", 0.5},  {"100%", 1.0},
                                           {"150%", 1.5}, {"200%", 2.0}, {"400%", 4.0}};
inline constexpr int kDefaultZoomItem = 2;

class TMainCommands {
 public:
  // programFolder ends with a separator; the settings file is read from it.
  TMainCommands(TMainHost& host, std::filesystem::path programFolder);

  const std::filesystem::path& ProgramFolder() const { return programFolder_; }
  TEditorSettings& Settings() { return settings_; }

  // The document windows in window order, and the active one (nullptr when none).
  const std::vector<TDocumentWindowSeam*>& Windows() const { return windows_; }
  TDocumentWindowSeam* Active() const { return active_; }
  void Activate(TDocumentWindowSeam* window);

  // Start: no document, the document commands off.
  void Start();
  // The first argument of the command line, when it names an existing file.
  void OpenFromCommandLine(const std::vector<std::string>& args);

  void NewGame();
  void NewMap();
  void NewLevel();
  void Open();
  // Opens a file as File/Open does after its dialog: password, kind by extension.
  // A file open in a window already brings that window to the front: two
  // windows of one file would save over each other's changes.
  void OpenFile(const std::filesystem::path& fileName);

  // The active document; false when there is none, the dialog was cancelled or
  // the file could not be written (an error message says why).
  bool Save();
  bool Save(TDocumentWindowSeam& window);
  bool SaveAs();
  // Every document with changes, in window order; one without changes is not
  // written again, so what another program wrote into its file since stays.
  void SaveAll();
  void Execute();

  // Close queries: true when the window may close (saved, or changes dropped).
  bool CloseQuery(TDocumentWindowSeam& window);
  // Closes the window after its query; true when it was closed.
  bool CloseWindow(TDocumentWindowSeam& window);
  void Close();
  void CloseAll();
  // Closing the main window: every document is asked first; true when all may close.
  bool CloseQueryAll();

  void Properties();
  void Refresh();
  void Delete();
  void DeleteAll();
  void BringToFront();
  void SendToBack();
  // The menu item toggles; the button passes its pressed state.
  void GridMenu();
  void GridButton(bool down);
  bool GridChecked() const { return gridChecked_; }
  void SelectTab(int tab);
  void SetZoomItem(int index);
  void SetAllWindowStates(TDocWindowState state);
  void Arrange(TArrangement arrangement);

  void Help();
  // Registers the three file types for the desktop under dataHome and tells the
  // desktop about them (see file_types.h); the message says which of the two
  // was not done.
  void RegisterFileTypes(const std::string& editorPath, const std::string& dataHome);

 private:
  TDocumentWindowSeam& newWindow();
  // The window other than except whose document is that file, or nullptr.
  TDocumentWindowSeam* windowOfFile(const std::filesystem::path& fileName,
                                    const TDocumentWindowSeam* except = nullptr) const;
  bool write(TDocumentWindowSeam& window, const std::filesystem::path& fileName);
  void afterNew(TDocumentWindowSeam& window, TDocKind kind);
  // Renders and repaints; what cannot be drawn is reported, not thrown.
  void render(TDocumentWindowSeam& window);
  void removeWindow(TDocumentWindowSeam& window);
  // The grid's commands follow the active document: a level or a world map has them.
  void followActive();

  TMainHost& host_;
  std::filesystem::path programFolder_;
  TEditorSettings settings_;
  std::vector<TDocumentWindowSeam*> windows_;
  TDocumentWindowSeam* active_ = nullptr;
  bool gridChecked_ = false;
};
