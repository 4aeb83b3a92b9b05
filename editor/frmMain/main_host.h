#pragma once
// What the main window's commands need of the windows around them: the file
// dialogs, the dialogs of the other units, message boxes and the frame itself.
// The Qt main window implements it; tests record it.
#include <memory>
#include <optional>
#include <string>

#include "editor/Docs/document.h"
#include "editor/frmMain/document_window.h"

enum TMessageIcon { miError, miInformation, miQuestion };
enum TAnswer { ansYes, ansNo, ansCancel };
enum TArrangement { arCascade, arTileHorizontal, arTileVertical, arIcons };

class TMainHost {
 public:
  virtual ~TMainHost() = default;

  // A new document window, shown in the frame; the host keeps ownership.
  virtual TDocumentWindowSeam& CreateDocumentWindow() = 0;
  // Frees a document window that has been allowed to close.
  virtual void FreeDocumentWindow(TDocumentWindowSeam& window) = 0;
  // Brings a document window to the front as the active one.
  virtual void ActivateDocumentWindow(TDocumentWindowSeam& window) = 0;

  // Files chosen in the file dialogs, as the disk names them, or nothing on
  // cancel. The save dialog adds defaultExt ("tql", without the point) to a
  // name typed without an extension.
  virtual std::optional<std::filesystem::path> OpenFileDialog(const std::string& title,
                                                              const std::filesystem::path& folder) = 0;
  virtual std::optional<std::filesystem::path> SaveFileDialog(const std::string& title,
                                                              const std::filesystem::path& startName,
                                                              const std::string& defaultExt) = 0;

  // The password dialog; true when the user typed the document's password and chose OK.
  virtual bool AskPassword(const std::string& password) = 0;
  // The properties dialog for a new level or map: the new document on OK.
  virtual std::optional<TDocument> AskNewDocument(TDocKind kind) = 0;
  // The properties dialog for an open document; true on OK (the document holds the values).
  virtual bool EditProperties(TDocumentWindowSeam& window) = 0;

  virtual void ShowMessage(const std::string& text, const std::string& title, TMessageIcon icon) = 0;
  virtual TAnswer AskYesNoCancel(const std::string& text, const std::string& title) = 0;
  // A question with "Sí" and "No"; true for "Sí".
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;

  virtual void SetStatusText(int panel, const std::string& text) = 0;
  // The document commands, the palette tool window and its page sets follow.
  virtual void EnableDocumentCommands(bool enable) = 0;
  // The commands on the active document's grid and objects (a game document,
  // edited as text, has none): on only with the document commands.
  virtual void EnableGridCommands(bool enable) = 0;
  virtual void ShowPalettePages(TDocKind kind) = 0;  // DocLevel or DocWorldMap
  virtual void SetPaletteVisible(bool visible) = 0;
  virtual void SetGridChecked(bool checked) = 0;     // menu check and button
  virtual void Arrange(TArrangement arrangement) = 0;
};
