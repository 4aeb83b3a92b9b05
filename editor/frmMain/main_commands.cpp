#include "editor/frmMain/main_commands.h"

#include <algorithm>

#include "editor/Docs/document_io.h"
#include "editor/frmMain/file_types.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "platform/core/shell.h"

namespace {

// File names here are case-sensitive, so a chosen save name has only its
// extension lower-cased (where a Windows path was lower-cased whole): the kind
// still follows the extension, and the file is the one the user named.
std::filesystem::path lowerCaseExtension(const std::filesystem::path& fileName) {
  const std::string name = fileName.native();
  const std::string ext = platform::extractFileExt(name);
  return name.substr(0, name.size() - ext.size()) + platform::lowerCase(ext);
}

// The save dialog's extension for a name typed without one: the document's own,
// so that a world map or a game is not named as a level.
std::string defaultExtension(TDocKind kind) { return DocKindExtension(kind) + 1; }

// Two names of one file, as saves write them (the one the document read and
// the one it is saved to).
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  if (a.empty() || b.empty()) return false;
  if (a == b) return true;
  std::error_code ec;
  return std::filesystem::equivalent(platform::writePath(a.native()), platform::writePath(b.native()), ec);
}

// The question before a save over a file that is no longer as the document
// read it, and what "S\xED" does.
struct TQuestion {
  std::string text;
  const char* title;
};
TQuestion fileSinceReadQuestion(TFileSinceRead since, const std::filesystem::path& fileName) {
  const std::string name = platform::pathText(fileName);
  if (since == TFileSinceRead::Gone)
    return {"El archivo \"" + name +
                "\" fue borrado o movido a otro lugar despu\xE9s de que se abriera o guardara aqu\xED. \xBF"
                "Desea crearlo de nuevo con este documento?",
            "Archivo borrado o movido"};
  return {"Otro programa modific\xF3 el archivo \"" + name +
              "\" despu\xE9s de que se abriera o guardara aqu\xED. \xBF" "Desea reemplazarlo por este documento?",
          "Archivo modificado"};
}

// The dialog asked about the name as typed; the file written is another one
// when only its extension's case differs, and that one is not replaced unasked.
std::string replaceExistingText(const std::filesystem::path& fileName) {
  return "El archivo \"" + platform::pathText(fileName) + "\" ya existe. \xBF" "Desea reemplazarlo?";
}

std::string saveChangesText(const std::string& caption) {
  return "\xBF" "Desea guardar los cambios realizados a \"" + caption + "\"?";
}

}  // namespace

TMainCommands::TMainCommands(TMainHost& host, std::filesystem::path programFolder)
    : host_(host), programFolder_(std::move(programFolder)), settings_(programFolder_ / EditorSettingsFileName) {}

void TMainCommands::Activate(TDocumentWindowSeam* window) {
  if (window && std::find(windows_.begin(), windows_.end(), window) == windows_.end()) return;
  active_ = window;
  followActive();
}

void TMainCommands::followActive() {
  host_.EnableGridCommands(active_ && active_->Document().DocKind != DocGame);
}

void TMainCommands::Start() {
  host_.EnableDocumentCommands(false);
  followActive();
}

void TMainCommands::OpenFromCommandLine(const std::vector<std::string>& args) {
  if (args.size() < 2 || args[1].empty()) return;
  if (!std::filesystem::is_regular_file(std::filesystem::path(args[1]))) return;
  OpenFile(args[1]);
}

TDocumentWindowSeam& TMainCommands::newWindow() {
  TDocumentWindowSeam& window = host_.CreateDocumentWindow();
  windows_.push_back(&window);
  active_ = &window;
  window.SetWindowState(dwsMaximized);
  return window;
}

void TMainCommands::NewGame() {
  host_.SetStatusText(0, "Creando juego...");
  TDocumentWindowSeam& window = newWindow();
  TDocument& doc = window.Document();
  doc.DocKind = DocGame;
  doc.Text = NewGameText();
  window.ShowAsGame();
  host_.SetStatusText(0, "Listo");
  host_.SetStatusText(1, "");
  host_.SetStatusText(2, "");
  doc.Modified = true;
  host_.EnableDocumentCommands(true);
  host_.SetPaletteVisible(false);
  followActive();
}

void TMainCommands::render(TDocumentWindowSeam& window) {
  try {
    window.Render();
  } catch (const ELevelSize& e) {
    // A size or an object line the view cannot draw: the document stays open,
    // with its commands, and the author learns what is wrong.
    host_.ShowMessage(LevelSizeText(e), "Error", miError);
  } catch (const std::exception&) {
    host_.ShowMessage(UndrawableObjectText(window.Caption()), "Error", miError);
  }
}

void TMainCommands::afterNew(TDocumentWindowSeam& window, TDocKind kind) {
  TDocument& doc = window.Document();
  doc.FileName.clear();
  doc.DocKind = kind;
  if (kind == DocLevel)
    window.InitLevelView();
  else
    window.InitWorldView();
  render(window);
  window.UpdateStatus();
  host_.ShowPalettePages(kind);
  host_.EnableDocumentCommands(true);
  followActive();
}

void TMainCommands::NewLevel() {
  std::optional<TDocument> doc = host_.AskNewDocument(DocLevel);
  if (!doc) return;
  TDocumentWindowSeam& window = newWindow();
  window.Document() = std::move(*doc);
  window.Document().Modified = true;
  afterNew(window, DocLevel);
}

void TMainCommands::NewMap() {
  std::optional<TDocument> doc = host_.AskNewDocument(DocWorldMap);
  if (!doc) return;
  TDocumentWindowSeam& window = newWindow();
  window.Document() = std::move(*doc);
  window.Document().Objects.clear();
  window.Document().Modified = true;
  afterNew(window, DocWorldMap);
}

void TMainCommands::Open() {
  std::optional<std::filesystem::path> name = host_.OpenFileDialog("Abrir archivo", programFolder_);
  if (!name || name->empty()) return;
  OpenFile(*name);
}

TDocumentWindowSeam* TMainCommands::windowOfFile(const std::filesystem::path& fileName,
                                                 const TDocumentWindowSeam* except) const {
  // Each window's save writes its name as written: only that one file is
  // shared, also while it is not on the disk (removed since it was read).
  for (TDocumentWindowSeam* window : windows_)
    if (window != except && sameFile(window->Document().FileName, fileName)) return window;
  return nullptr;
}

void TMainCommands::OpenFile(const std::filesystem::path& fileName) {
  if (TDocumentWindowSeam* open = windowOfFile(fileName)) {
    Activate(open);
    host_.ActivateDocumentWindow(*open);
    return;
  }
  std::string password;
  try {
    password = ReadDocumentPassword(fileName);
  } catch (const EDocumentRead& e) {
    // Opened as an empty document, a save would replace the file.
    host_.ShowMessage(DocumentFailureText(e), "Error", miError);
    return;
  }
  TDocumentWindowSeam& window = newWindow();
  TDocument& doc = window.Document();
  doc.Password = password;
  // A refused password leaves the new window open and empty; the status bar
  // shows that window, not the one before.
  if (!doc.Password.empty() && !host_.AskPassword(doc.Password)) {
    window.UpdateStatus();
    followActive();
    return;
  }
  doc.FileName = fileName;
  window.UpdateFileCaption();

  // Names from older systems are often upper-case: "NIVEL.TQL" is a level.
  const std::optional<TDocKind> kind = DocKindOfFileName(fileName);
  if (kind == DocGame) {
    host_.SetStatusText(0, "Abriendo juego...");
    doc.DocKind = DocGame;
    ReadGameDocument(doc, fileName);
    window.ShowAsGame();
    host_.SetStatusText(1, "");
    host_.SetStatusText(2, "");
    host_.SetStatusText(0, "Listo");
    host_.EnableDocumentCommands(true);
    host_.SetPaletteVisible(false);
  } else if (kind) {
    host_.SetStatusText(0, kind == DocLevel ? "Abriendo nivel..." : "Abriendo mapa...");
    doc.DocKind = *kind;
    host_.ShowPalettePages(*kind);
    if (kind == DocLevel) {
      ReadLevelDocument(doc, fileName);
      window.InitLevelView();
    } else {
      ReadWorldDocument(doc, fileName);
      window.InitWorldView();
    }
    doc.FileName = fileName;
    doc.DocKind = *kind;
    host_.EnableDocumentCommands(true);
    render(window);
  }
  window.UpdateStatus();
  followActive();
}

bool TMainCommands::Save() { return active_ ? Save(*active_) : false; }

bool TMainCommands::Save(TDocumentWindowSeam& window) {
  TDocument& doc = window.Document();
  if (doc.FileName.empty()) {
    std::optional<std::filesystem::path> name =
        host_.SaveFileDialog("Guardar " + window.Caption() + " como...", {}, defaultExtension(doc.DocKind));
    if (!name || name->empty()) return false;
    const std::filesystem::path chosen = lowerCaseExtension(*name);
    std::error_code ec;
    if (chosen != *name && std::filesystem::exists(std::filesystem::symlink_status(chosen, ec)) &&
        !host_.AskYesNo(replaceExistingText(chosen), "Guardar como"))
      return false;
    return write(window, chosen);
  }
  return write(window, doc.FileName);
}

bool TMainCommands::SaveAs() {
  if (!active_) return false;
  TDocument& doc = active_->Document();
  std::optional<std::filesystem::path> name = host_.SaveFileDialog(
      "Guardar " + active_->Caption() + " como...", doc.FileName, defaultExtension(doc.DocKind));
  if (!name || name->empty()) return false;
  return write(*active_, *name);
}

bool TMainCommands::write(TDocumentWindowSeam& window, const std::filesystem::path& fileName) {
  TDocument& doc = window.Document();
  const std::filesystem::path oldName = doc.FileName;
  try {
    // Its window would later save its own copy over this one.
    if (TDocumentWindowSeam* other = windowOfFile(fileName, &window))
      throw EDocumentWrite(TDocumentFailure::OpenInWindow, fileName,
                           "Unable to write to " + fileName.string() + ": the file is open in another window",
                           other->Caption());
    // Another program (another editor) may have saved the file since this
    // document read it: its work is not written over without a question.
    const TFileSinceRead since = sameFile(oldName, fileName) ? FileSinceRead(doc) : TFileSinceRead::Unchanged;
    if (since != TFileSinceRead::Unchanged) {
      const TQuestion question = fileSinceReadQuestion(since, fileName);
      if (!host_.AskYesNo(question.text, question.title)) return false;
    }
    doc.FileName = fileName;
    if (doc.DocKind == DocGame) window.CommitText();
    WriteDocument(doc);
  } catch (const EDocumentWrite& e) {
    // The document keeps the name it could last be saved under, and stays modified.
    doc.FileName = oldName;
    host_.ShowMessage(DocumentFailureText(e), "Error", miError);
    return false;
  }
  window.UpdateFileCaption();
  return true;
}

void TMainCommands::SaveAll() {
  const std::vector<TDocumentWindowSeam*> windows = windows_;
  for (TDocumentWindowSeam* window : windows)
    if (window->Document().Modified) Save(*window);
}

void TMainCommands::Execute() {
  if (!active_) return;
  Save(*active_);
  platform::shell().startProgram(kGameProgram);
}

bool TMainCommands::CloseQuery(TDocumentWindowSeam& window) {
  if (!window.Document().Modified) return true;
  switch (host_.AskYesNoCancel(saveChangesText(window.Caption()), "Guardar cambios")) {
    case ansYes:
      return Save(window);
    case ansNo:
      return true;
    case ansCancel:
      break;
  }
  return false;
}

void TMainCommands::removeWindow(TDocumentWindowSeam& window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
  if (active_ == &window) active_ = windows_.empty() ? nullptr : windows_.back();
  if (windows_.empty()) {
    host_.EnableDocumentCommands(false);
    // No document: the status bar as at the start, not the closed one's objects.
    host_.SetStatusText(1, "0 objetos");
    host_.SetStatusText(2, "");
  }
  followActive();
  host_.FreeDocumentWindow(window);
}

bool TMainCommands::CloseWindow(TDocumentWindowSeam& window) {
  if (!CloseQuery(window)) return false;
  removeWindow(window);
  return true;
}

void TMainCommands::Close() {
  if (active_) CloseWindow(*active_);
}

void TMainCommands::CloseAll() {
  const std::vector<TDocumentWindowSeam*> windows = windows_;
  for (TDocumentWindowSeam* window : windows) CloseWindow(*window);
}

bool TMainCommands::CloseQueryAll() {
  for (TDocumentWindowSeam* window : std::vector<TDocumentWindowSeam*>(windows_))
    if (!CloseQuery(*window)) return false;
  return true;
}

void TMainCommands::Properties() {
  if (!active_) return;
  TDocumentWindowSeam& window = *active_;
  const std::string library = window.Document().ImageLib;
  if (!host_.EditProperties(window)) return;
  // A document given another image library is drawn with that one.
  if (window.Document().ImageLib != library) {
    if (window.Document().DocKind == DocLevel) window.InitLevelView();
    else if (window.Document().DocKind == DocWorldMap) window.InitWorldView();
  }
  render(window);
}

void TMainCommands::Refresh() {
  if (active_) render(*active_);
}

void TMainCommands::Delete() {
  if (active_ && active_->HasSelection()) active_->DeleteSelected();
}

void TMainCommands::DeleteAll() {
  if (active_) active_->DeleteAll();
}

void TMainCommands::BringToFront() {
  if (active_) active_->BringToFront();
}

void TMainCommands::SendToBack() {
  if (active_) active_->SendToBack();
}

void TMainCommands::GridMenu() { GridButton(!gridChecked_); }

void TMainCommands::GridButton(bool down) {
  gridChecked_ = down;
  host_.SetGridChecked(gridChecked_);
  if (!active_) return;
  active_->SetGridVisible(gridChecked_);
  active_->Repaint();
}

void TMainCommands::SelectTab(int tab) {
  if (active_) active_->SelectTab(tab);
}

void TMainCommands::SetZoomItem(int index) {
  if (!active_ || index < 0 || index >= int(std::size(kZoomItems))) return;
  active_->SetZoom(kZoomItems[index].factor);
}

void TMainCommands::SetAllWindowStates(TDocWindowState state) {
  for (TDocumentWindowSeam* window : windows_) window->SetWindowState(state);
}

void TMainCommands::Arrange(TArrangement arrangement) { host_.Arrange(arrangement); }

void TMainCommands::Help() {
  if (!platform::shell().startProgram(kHelpProgram)) host_.ShowMessage(kHelpFailed, "Error", miError);
}

void TMainCommands::RegisterFileTypes(const std::string& editorPath, const std::string& dataHome) {
  try {
    WriteFileTypeRegistration(dataHome, editorPath, std::filesystem::path(programFolder_) / "resources" / "icons");
  } catch (const platform::IniWriteError&) {
    host_.ShowMessage(FileTypesFailureText(dataHome), "Error", miError);
    return;
  }
  const std::vector<std::string> failed = AnnounceFileTypes(dataHome);
  if (failed.empty()) {
    host_.ShowMessage(kRegisteredText, kRegisterTitle, miInformation);
    return;
  }
  host_.ShowMessage(FileTypesUnannouncedText(dataHome, failed), kRegisterTitle, miError);
}
