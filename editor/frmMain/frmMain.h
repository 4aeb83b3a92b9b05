#pragma once
// The editor's main window: a multiple-document frame with the menus, the docks
// on its four edges carrying the toolbars and the object tool window, the zoom
// box and the status bar. What the commands do lives in TMainCommands.
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <vector>

#include "editor/frmMain/main_commands.h"
#include "toolbars/TBZ/TBZ.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMenu;
class QProgressBar;
class TChildHost;
class TfmChild;
class TObjectPaletteWindow;
class TToolInfo;
class TfmAbout;
class TChildView;
class TfmColor;
class TfmFill;
class TfmFind;
class TfmLevelProp;
class TfmPassword;
class TfmReplace;
class TfmSpriteProp;
namespace tbz {
class TToolbarZ;
class TToolbarButtonZ;
class TToolWindowZ;
}  // namespace tbz

// The controls under root that have a hint show it in the hint window; moves
// over the panels around them hide it.
void AttachHints(TToolInfo& hints, QWidget* root);

class TfmMain : public QMainWindow, public TMainHost {
 public:
  // programFolder ends with a separator.
  explicit TfmMain(std::filesystem::path programFolder, QWidget* parent = nullptr);
  ~TfmMain() override;

  TMainCommands& Commands() { return *commands_; }
  // The first show: the command line's file, once.
  void FormShow(const std::vector<std::string>& args);

  // Designed components the commands and tests reach.
  QAction* Action(const std::string& name) const;      // by menu text, e.g. "&Guardar"
  tbz::TToolbarButtonZ* Button(const std::string& hint) const;
  QMenu* miFile = nullptr;
  QMenu* miEdit = nullptr;
  QMenu* miView = nullptr;
  QMenu* Opciones1 = nullptr;
  QMenu* Ventana1 = nullptr;
  QMenu* Ayuda1 = nullptr;
  QMenu* pm1 = nullptr;
  QMenu* pm2 = nullptr;
  tbz::TDockZ* DockTop = nullptr;
  tbz::TDockZ* DockBottom = nullptr;
  tbz::TDockZ* DockLeft = nullptr;
  tbz::TDockZ* DockRight = nullptr;
  tbz::TToolbarZ* tbStandard = nullptr;
  tbz::TToolbarZ* tbAdditional = nullptr;
  tbz::TToolWindowZ* tbObjects = nullptr;
  TObjectPaletteWindow* Palette = nullptr;  // inside tbObjects
  QComboBox* cbZoom = nullptr;
  QLabel* StatusPanels[3] = {};
  QProgressBar* Progress1 = nullptr;
  QMdiArea* MdiArea = nullptr;
  TToolInfo* ToolInfo = nullptr;  // the hint window of the toolbar buttons

  // "&Acerca de...": the About box, modal (made on first use and kept).
  void ShowAbout();

  // The dialogs of the commands, made on first use and kept for the run.
  TfmLevelProp& fmLevelProp();
  TfmFind& fmFind();
  TfmReplace& fmReplace();
  TfmFill& fmFill();
  TfmColor& fmColor();
  TfmPassword& fmPassword();
  TfmSpriteProp& fmSpriteProp();
  // The active document window's view, or nullptr.
  TChildView* ActiveView() const;
  // Edit commands on the active document: find (next) selects the first object
  // of the kind from the start or after the selection; replace and fill change
  // the object list; the colour pop-up drops from its toolbar button.
  void Find(bool next);
  void Replace();
  void Fill();
  void ChooseBackgroundColor();
  // The selected object's properties: on "Aceptar" its line is rebuilt, the
  // document rendered and repainted. Nothing without a selection.
  void SpriteProperties();

  // TMainHost
  TDocumentWindowSeam& CreateDocumentWindow() override;
  void FreeDocumentWindow(TDocumentWindowSeam& window) override;
  void ActivateDocumentWindow(TDocumentWindowSeam& window) override;
  std::optional<std::filesystem::path> OpenFileDialog(const std::string& title,
                                                      const std::filesystem::path& folder) override;
  std::optional<std::filesystem::path> SaveFileDialog(const std::string& title, const std::filesystem::path& startName,
                                            const std::string& defaultExt) override;
  bool AskPassword(const std::string& password) override;
  std::optional<TDocument> AskNewDocument(TDocKind kind) override;
  bool EditProperties(TDocumentWindowSeam& window) override;
  void ShowMessage(const std::string& text, const std::string& title, TMessageIcon icon) override;
  TAnswer AskYesNoCancel(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void SetStatusText(int panel, const std::string& text) override;
  void EnableDocumentCommands(bool enable) override;
  void EnableGridCommands(bool enable) override;
  void ShowPalettePages(TDocKind kind) override;
  void SetPaletteVisible(bool visible) override;
  void SetGridChecked(bool checked) override;
  void Arrange(TArrangement arrangement) override;

  // The document windows, in the order they were made.
  const std::vector<std::unique_ptr<TfmChild>>& DocumentWindows() const { return windows_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The menu's shortcuts before the keyboard's widget (see menuTakesKey).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // True when a key is the shortcut of an enabled menu item, which then acts on
  // it wherever the keyboard is in the main window: a text page would take Ctrl+A
  // ("Abrir...") or Shift+Del ("Eliminar todos") as its own. Del is the text's
  // while no object is selected, as it deletes the selected object only.
  bool menuTakesKey(const QKeyEvent& key) const;
  QAction* addItem(QMenu* menu, const char* text, std::function<void()> command, const QKeySequence& key = {});
  tbz::TToolbarButtonZ* addButton(tbz::TToolbarZ* bar, const char* hint, std::function<void()> command);
  void createMenus();
  void createToolbars();
  void createStatusBar();
  void readPlacement();
  void writePlacement();
  TfmChild* windowOf(class QMdiSubWindow* sub) const;
  TfmChild* activeChild() const;
  const std::string* selectedLine() const;
  void endSearch(TChildView& view);
  // "&Cerrar" (Ctrl+F4) and its button close any document window, also one
  // that loaded nothing (a refused password) while the other commands are off.
  void enableCloseCommands();
  // The grid's items, buttons and keys: on while the document commands are and
  // the active document has a grid. "Buscar &siguiente" only after a find that
  // found something.
  void enableGridCommands();
  void armFindNext(bool armed);

  std::unique_ptr<TMainCommands> commands_;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, tbz::TToolbarButtonZ*> buttons_;
  // The commands on any document, and those on a document's grid and objects.
  std::vector<QAction*> documentActions_, gridActions_;
  std::vector<QWidget*> documentButtons_, gridButtons_;
  bool documentCommandsOn_ = false, gridCommandsOn_ = false, findNextArmed_ = false;
  std::unique_ptr<TChildHost> childHost_;
  std::vector<std::unique_ptr<TfmChild>> windows_;
  bool shown_ = false;
  bool closing_ = false;  // the documents' close queries have been answered
  QPointer<TfmAbout> fmAbout_;
  QPointer<TfmLevelProp> fmLevelProp_;
  QPointer<TfmFind> fmFind_;
  QPointer<TfmReplace> fmReplace_;
  QPointer<TfmFill> fmFill_;
  QPointer<TfmColor> fmColor_;
  QPointer<TfmPassword> fmPassword_;
  QPointer<TfmSpriteProp> fmSpriteProp_;
  QRect normalGeometry_;
};
