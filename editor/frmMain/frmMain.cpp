#include "editor/frmMain/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

#include "editor/Docs/document_io.h"
#include "editor/ToolInfo/TToolInfo.h"
#include "editor/frmAbout/frmAbout.h"
#include "editor/frmMain/file_types.h"
#include "editor/frmMain/toolbar_glyphs.h"
#include "editor/ObjectPalette/palette_window.h"
#include "editor/frmChild/frmChild.h"
#include "platform/app/application.h"
#include "platform/qt/dialogs/message_box.h"
#include "platform/qt/text/qt_text.h"
#include "toolbars/TBZCtls/TBZCtls.h"
#include "toolbars/TBZTlbr/TBZTlbr.h"
#include "toolbars/TBZTlwn/TBZTlwn.h"

using namespace tbz;
using platform::qt::cp;
using platform::qt::qs;

namespace {

const char* kFilter =
    "Archivos HOPZ (*.tql; *.tqw; *.tqg)|*.tql; *.tqw; *.tqg|Niveles (*.tql)|*.tql|Mapas (*.tqw)|*.tqw|"
    "Juegos (*.tqg)|*.tqg|Todos los archivos|*.*";

// The filter in Qt's form: "Description (patterns);;...".
QString qtFilter() {
  QStringList parts = QString(kFilter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(";", " ");
    QString name = parts[i];
    filters << (name.contains('(') ? name.left(name.indexOf('(')).trimmed() : name) + " (" + patterns.simplified() + ")";
  }
  return filters.join(";;");
}

// A document's frame inside the main window: closing it goes through the close query.
class TDocumentSubWindow : public QMdiSubWindow {
 public:
  TDocumentSubWindow() {
    // The frame's own close keys (Ctrl+F4 among them) would make Ctrl+F4
    // ambiguous beside "&Cerrar", and neither would close the window.
    for (QAction* action : systemMenu()->actions())
      if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4))) action->setShortcuts({});
  }
  std::function<bool()> OnCloseQuery;

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (OnCloseQuery && !OnCloseQuery()) event->ignore(); else event->accept();
  }
};

QMessageBox::StandardButton askQuestion(QWidget* parent, const std::string& text, const std::string& title,
                                       QMessageBox::StandardButtons buttons) {
  return platform::qt::ShowMessageBox(parent, QMessageBox::Question, qs(title), qs(text), buttons);
}

constexpr TEditorWindowPlacement kDesignedPlacement{40, 40, 800, 600, EditorWindowNormal};

}  // namespace

void AttachHints(TToolInfo& hints, QWidget* root) {
  hints.AttachHider(root);
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->toolTip().isEmpty()) hints.AttachControl(w);
    else if (w->metaObject() == &QWidget::staticMetaObject || qobject_cast<QGroupBox*>(w) ||
             qobject_cast<QStackedWidget*>(w))
      hints.AttachHider(w);  // the panels around the controls
  }
}

// What the document windows need of the main window: its status bar, progress
// bar, palette, hint window and question box.
class TMainChildHost : public TChildHost {
 public:
  explicit TMainChildHost(TfmMain& form) : form_(form) {}
  void SetStatusText(int panel, const std::string& text) override { form_.SetStatusText(panel, text); }
  void ShowProgress(int max) override {
    form_.Progress1->setRange(0, std::max(0, max));
    form_.Progress1->setValue(0);
    form_.Progress1->show();
  }
  void StepProgress() override { form_.Progress1->setValue(form_.Progress1->value() + 1); }
  void HideProgress() override { form_.Progress1->hide(); }
  void RefreshPaletteGlyphs(TChildView& view) override {
    if (view.KindImages.empty()) return;
    form_.Palette->RefreshGlyphs(view.Doc.DocKind, view.DXImages, view.KindImages);
  }
  void HideHint() override {
    if (form_.ToolInfo) form_.ToolInfo->Controller().Hide();
  }
  bool ConfirmYesNo(const std::string& text, const std::string& title) override { return form_.AskYesNo(text, title); }

 private:
  TfmMain& form_;
};

TfmMain::TfmMain(std::filesystem::path programFolder, QWidget* parent) : QMainWindow(parent) {
  // An error inside a command ends that command, silently.
  platform::application().OnException = [](const std::exception&) {};
  commands_ = std::make_unique<TMainCommands>(*this, std::move(programFolder));
  childHost_ = std::make_unique<TMainChildHost>(*this);
  setWindowTitle(qs(kMainCaption));

  auto* centre = new QWidget(this);
  auto* grid = new QGridLayout(centre);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  DockTop = new TDockZ(centre, dpTop);
  DockBottom = new TDockZ(centre, dpBottom);
  DockLeft = new TDockZ(centre, dpLeft);
  DockRight = new TDockZ(centre, dpRight);
  MdiArea = new QMdiArea(centre);
  MdiArea->setFrameShape(QFrame::StyledPanel);
  MdiArea->setFrameShadow(QFrame::Sunken);
  grid->addWidget(DockTop, 0, 0, 1, 3);
  grid->addWidget(DockLeft, 1, 0);
  grid->addWidget(MdiArea, 1, 1);
  grid->addWidget(DockRight, 1, 2);
  grid->addWidget(DockBottom, 2, 0, 1, 3);
  setCentralWidget(centre);
  connect(MdiArea, &QMdiArea::subWindowActivated, this,
          [this](QMdiSubWindow* sub) {
            TfmChild* child = sub ? windowOf(sub) : nullptr;
            if (!child) return;
            commands_->Activate(child);
            platform::application().Guarded([&] { cbZoom->setCurrentIndex(child->View().Activate()); });
          });

  createMenus();
  DockTop->BeginUpdate();  // both bars take their rows before the dock places them
  createToolbars();
  DockTop->EndUpdate();
  createStatusBar();
  // The hint window: the toolbar buttons show their hints in it; moving over
  // the docks, the bars, the document area or the status bar, or leaving the
  // window, hides it.
  ToolInfo = new TToolInfo(this);
  for (const auto& entry : buttons_) ToolInfo->AttachControl(entry.second);
  ToolInfo->AttachControl(cbZoom);
  for (QWidget* w : {static_cast<QWidget*>(DockTop), static_cast<QWidget*>(DockBottom),
                     static_cast<QWidget*>(DockLeft), static_cast<QWidget*>(DockRight),
                     static_cast<QWidget*>(tbStandard), static_cast<QWidget*>(tbAdditional),
                     static_cast<QWidget*>(statusBar()), static_cast<QWidget*>(MdiArea), MdiArea->viewport()})
    ToolInfo->AttachHider(w);
  ToolInfo->AttachWindow(this);
  AttachHints(*ToolInfo, tbObjects);
  commands_->Start();
  // Shortcut overrides pass the application before the widget they are sent to.
  qApp->installEventFilter(this);
  readPlacement();
  platform::application().Title = kMainCaption;
  cbZoom->setCurrentIndex(kDefaultZoomItem);
}

TfmMain::~TfmMain() {
  writePlacement();
  // Every document was asked about when the window closed; none is asked again.
  closing_ = true;
  MdiArea->closeAllSubWindows();
}

QAction* TfmMain::addItem(QMenu* menu, const char* text, std::function<void()> command, const QKeySequence& key) {
  QAction* action = menu->addAction(qs(text));
  if (!key.isEmpty()) action->setShortcut(key);
  connect(action, &QAction::triggered, this, [command] { platform::application().Guarded(command); });
  actions_.emplace(text, action);
  return action;
}

QAction* TfmMain::Action(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

TToolbarButtonZ* TfmMain::Button(const std::string& hint) const {
  auto it = buttons_.find(hint);
  return it == buttons_.end() ? nullptr : it->second;
}

void TfmMain::createMenus() {
  TMainCommands& c = *commands_;
  auto doc = [this](QAction* a) { documentActions_.push_back(a); return a; };
  auto grid = [this](QAction* a) { gridActions_.push_back(a); return a; };
  miFile = menuBar()->addMenu(qs("&Archivo"));
  QMenu* newMenu = miFile->addMenu(qs("Nuevo"));
  pm2 = new QMenu(this);
  for (QMenu* m : {newMenu, pm2}) {
    addItem(m, "&Juego", [&c] { c.NewGame(); }, m == newMenu ? QKeySequence("Ctrl+J") : QKeySequence());
    addItem(m, "&Mapa", [&c] { c.NewMap(); }, m == newMenu ? QKeySequence("Ctrl+M") : QKeySequence());
    addItem(m, "&Nivel", [&c] { c.NewLevel(); }, m == newMenu ? QKeySequence("Ctrl+N") : QKeySequence());
  }
  addItem(miFile, "&Abrir...", [&c] { c.Open(); }, QKeySequence("Ctrl+A"));
  doc(addItem(miFile, "&Guardar", [&c] { c.Save(); }, QKeySequence("Ctrl+G")));
  doc(addItem(miFile, "Guardar c&omo...", [&c] { c.SaveAs(); }));
  doc(addItem(miFile, "Guardar &todos", [&c] { c.SaveAll(); }));
  doc(addItem(miFile, "Guardar y &ejecutar", [&c] { c.Execute(); }, QKeySequence("F9")));
  doc(addItem(miFile, "&Cerrar", [&c] { c.Close(); }, QKeySequence("Ctrl+F4")));
  miFile->addSeparator();
  grid(addItem(miFile, "&Propiedades", [&c] { c.Properties(); }, QKeySequence("Alt+Return")));
  grid(addItem(miFile, "&Actualizar", [&c] { c.Refresh(); }, QKeySequence("F5")));
  miFile->addSeparator();
  addItem(miFile, "&Salir", [this] { close(); }, QKeySequence("Alt+F4"));

  miEdit = menuBar()->addMenu(qs("&Edici\xF3n"));
  grid(addItem(miEdit, "&Eliminar", [&c] { c.Delete(); }, QKeySequence(Qt::Key_Delete)));
  grid(addItem(miEdit, "&Eliminar todos", [&c] { c.DeleteAll(); }, QKeySequence("Shift+Del")));
  grid(addItem(miEdit, "&Llenar con...", [this] { Fill(); }, QKeySequence(Qt::Key_Insert)));
  QMenu* order = miEdit->addMenu(qs("Ordenar"));
  grid(order->menuAction());
  grid(addItem(order, "&Traer al frente", [&c] { c.BringToFront(); }));
  grid(addItem(order, "&Enviar al fondo", [&c] { c.SendToBack(); }));
  miEdit->addSeparator();
  grid(addItem(miEdit, "&Buscar...", [this] { Find(false); }, QKeySequence("Ctrl+B")));
  grid(addItem(miEdit, "Buscar &siguiente", [this] { Find(true); }, QKeySequence("F3")));
  grid(addItem(miEdit, "&Reemplazar...", [this] { Replace(); }, QKeySequence("Ctrl+R")));

  miView = menuBar()->addMenu(qs("&Ver"));
  grid(addItem(miView, "&Grilla", [&c] { c.GridMenu(); }, QKeySequence("F2")))->setCheckable(true);
  QMenu* bars = miView->addMenu(qs("Barras de herramientas"));
  for (const char* name : {"&Est\xE1ndar", "&Adicional", "&Objetos"}) {
    QAction* a = addItem(bars, name, [] {});
    a->setCheckable(true);
  }
  documentActions_.push_back(Action("&Objetos"));
  QAction* status = addItem(miView, "Barra de &estado", [] {});
  status->setCheckable(true);
  status->setChecked(true);
  connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  grid(addItem(miView, "Editor &visual", [&c] { c.SelectTab(0); }, QKeySequence("Ctrl+1")));
  doc(addItem(miView, "Editor de &texto", [&c] { c.SelectTab(1); }, QKeySequence("Ctrl+2")));

  Opciones1 = menuBar()->addMenu(qs("&Opciones"));
  addItem(Opciones1, "&Asociar tipos de archivo", [&c] {
    c.RegisterFileTypes(QCoreApplication::applicationFilePath().toStdString(), UserDataHome().string());
  });

  Ventana1 = menuBar()->addMenu(qs("&Ventana"));
  addItem(Ventana1, "&Cascada", [&c] { c.Arrange(arCascade); });
  addItem(Ventana1, "Mosaico &horizontal", [&c] { c.Arrange(arTileHorizontal); });
  addItem(Ventana1, "Mosaico &vertical", [&c] { c.Arrange(arTileVertical); });
  addItem(Ventana1, "&Organizar \xED" "conos", [&c] { c.Arrange(arIcons); });
  Ventana1->addSeparator();
  addItem(Ventana1, "&Minimizar todas", [&c] { c.SetAllWindowStates(dwsMinimized); }, QKeySequence("Ctrl+Shift+M"));
  addItem(Ventana1, "&Restaurar todas", [&c] { c.SetAllWindowStates(dwsNormal); }, QKeySequence("Ctrl+Shift+R"));
  addItem(Ventana1, "M&aximizar todas", [&c] { c.SetAllWindowStates(dwsMaximized); }, QKeySequence("Ctrl+Shift+A"));
  addItem(Ventana1, "C&errar todas", [&c] { c.CloseAll(); }, QKeySequence("Ctrl+Shift+F4"));

  Ayuda1 = menuBar()->addMenu(qs("Ay&uda"));
  addItem(Ayuda1, "A&yuda de Tobbo Quest", [&c] { c.Help(); });
  addItem(Ayuda1, "&Acerca de...", [this] { ShowAbout(); });

  // The paint box's pop-up repeats the object commands.
  pm1 = new QMenu(this);
  pm1->addAction(Action("&Actualizar"));
  pm1->addAction(Action("&Eliminar"));
  pm1->addAction(qs("Eliminar &todos"), this, [&c] { platform::application().Guarded([&c] { c.DeleteAll(); }); });
  QMenu* popupOrder = pm1->addMenu(qs("&Ordenar"));
  popupOrder->addAction(Action("&Traer al frente"));
  popupOrder->addAction(Action("&Enviar al fondo"));
  // Its "&Propiedades" edits the selected object, or the document when none is.
  pm1->addAction(qs("&Propiedades"), this, [this, &c] {
    platform::application().Guarded([this, &c] {
      if (selectedLine()) SpriteProperties();
      else c.Properties();
    });
  });
}

TToolbarButtonZ* TfmMain::addButton(TToolbarZ* bar, const char* hint, std::function<void()> command) {
  auto* button = new TToolbarButtonZ(bar);
  button->SetCaption(qs(hint));
  button->SetDisplayMode(dmTextOnly);
  button->setToolTip(qs(hint));
  // Text buttons until the glyph strips exist: as wide as their hint.
  button->resize(button->fontMetrics().horizontalAdvance(button->Caption()) + 12, 22);
  // A glyph found in the program folder replaces the text.
  if (const QImage glyph(platform::qt::qPath(ToolbarGlyphFile(commands_->ProgramFolder(), hint)));
      !glyph.isNull()) {
    button->SetGlyph(glyph);
    button->SetDisplayMode(dmGlyphOnly);
    button->resize(23, 22);
  }
  button->OnClick = [command](TToolbarButtonZ*) { platform::application().Guarded(command); };
  buttons_.emplace(hint, button);
  return button;
}

void TfmMain::createToolbars() {
  TMainCommands& c = *commands_;
  tbStandard = new TToolbarZ(DockTop);
  tbStandard->SetCaption(qs("Est\xE1ndar"));
  addButton(tbStandard, "Nuevo...", [&c] { c.NewLevel(); })->SetDropdownMenu(pm2);
  addButton(tbStandard, "Abrir", [&c] { c.Open(); });
  const char* docButtons[] = {"Guardar", "Guardar todos", "Cerrar"};
  documentButtons_.push_back(addButton(tbStandard, docButtons[0], [&c] { c.Save(); }));
  documentButtons_.push_back(addButton(tbStandard, docButtons[1], [&c] { c.SaveAll(); }));
  documentButtons_.push_back(addButton(tbStandard, docButtons[2], [&c] { c.Close(); }));
  new TToolbarSepZ(tbStandard);
  gridButtons_.push_back(addButton(tbStandard, "Eliminar", [&c] { c.Delete(); }));
  gridButtons_.push_back(addButton(tbStandard, "Eliminar todos", [&c] { c.DeleteAll(); }));
  gridButtons_.push_back(addButton(tbStandard, "Buscar...", [this] { Find(false); }));
  gridButtons_.push_back(addButton(tbStandard, "Buscar siguiente", [this] { Find(true); }));
  gridButtons_.push_back(addButton(tbStandard, "Reemplazar...", [this] { Replace(); }));
  new TToolbarSepZ(tbStandard);
  TToolbarButtonZ* grid = addButton(tbStandard, "Grilla", [] {});
  grid->SetGroupIndex(1);
  grid->SetAllowAllUp(true);
  grid->OnClick = [this, &c](TToolbarButtonZ* b) {
    platform::application().Guarded([&] { c.GridButton(b->Down()); });
  };
  gridButtons_.push_back(grid);
  addButton(tbStandard, "Ayuda", [&c] { c.Help(); });

  tbAdditional = new TToolbarZ(DockTop);
  tbAdditional->SetCaption(qs("Est\xE1ndar"));
  tbAdditional->SetDockRow(1);
  for (auto [hint, arrangement] : {std::pair{"Cascada", arCascade}, {"Mosaico horizontal", arTileHorizontal},
                                   {"Mosaico vertical", arTileVertical}, {"Organizar \xED" "conos", arIcons}})
    documentButtons_.push_back(addButton(tbAdditional, hint, [&c, a = arrangement] { c.Arrange(a); }));
  new TToolbarSepZ(tbAdditional);
  gridButtons_.push_back(addButton(tbAdditional, "Propiedades del nivel", [&c] { c.Properties(); }));
  documentButtons_.push_back(addButton(tbAdditional, "Guardar y ejecutar", [&c] { c.Execute(); }));
  gridButtons_.push_back(addButton(tbAdditional, "Actualizar", [&c] { c.Refresh(); }));
  gridButtons_.push_back(addButton(tbAdditional, "Llenar con...", [this] { Fill(); }));
  gridButtons_.push_back(addButton(tbAdditional, "Traer al frente", [&c] { c.BringToFront(); }));
  gridButtons_.push_back(addButton(tbAdditional, "Enviar al fondo", [&c] { c.SendToBack(); }));
  gridButtons_.push_back(addButton(tbAdditional, "Color de fondo", [this] { ChooseBackgroundColor(); }));
  cbZoom = new QComboBox(tbAdditional);
  for (const TZoomItem& item : kZoomItems) cbZoom->addItem(item.text);
  cbZoom->setToolTip("Nivel de Zoom");
  connect(cbZoom, &QComboBox::activated, this,
          [&c](int index) { platform::application().Guarded([&] { c.SetZoomItem(index); }); });
  gridButtons_.push_back(cbZoom);

  tbObjects = new TToolWindowZ(DockLeft);
  tbObjects->SetCaption(qs("Objetos"));
  tbObjects->SetClientAreaWidth(120);
  tbObjects->SetClientAreaHeight(240);
  Palette = new TObjectPaletteWindow(tbObjects);
  auto* paletteLayout = new QVBoxLayout(tbObjects);
  paletteLayout->setContentsMargins(0, 0, 0, 0);
  paletteLayout->addWidget(Palette);
  // A pressed button arms its kind in the active document; a released one disarms.
  Palette->Palette().OnArm = [this](TObjectPalette&, int kind) {
    if (TfmChild* child = activeChild()) child->ArmKind(kind);
  };
  Palette->Palette().OnDisarm = [this](TObjectPalette&) {
    if (TfmChild* child = activeChild()) child->Disarm();
  };
  Palette->Palette().OnStep = [this](TObjectPalette&) { childHost_->StepProgress(); };

  // The bars' menu items follow the bars.
  const std::pair<const char*, TCustomToolWindowZ*> bars[] = {
      {"&Est\xE1ndar", tbStandard}, {"&Adicional", tbAdditional}, {"&Objetos", tbObjects}};
  for (const auto& [name, shownBar] : bars) {
    TCustomToolWindowZ* bar = shownBar;  // a plain variable: clang before 16 cannot capture a binding
    QAction* item = Action(name);
    item->setChecked(bar->Visible());
    connect(item, &QAction::triggered, this, [bar, item] { bar->setVisible(item->isChecked()); });
    bar->OnVisibleChanged = [item](TCustomToolWindowZ* sender) { item->setChecked(sender->Visible()); };
  }
}

void TfmMain::createStatusBar() {
  const int widths[3] = {150, 200, 50};
  const char* texts[3] = {"Listo", "0 objetos", ""};
  for (int i = 0; i < 3; ++i) {
    StatusPanels[i] = new QLabel(qs(texts[i]), this);
    StatusPanels[i]->setFrameShape(QFrame::Panel);
    StatusPanels[i]->setFrameShadow(QFrame::Sunken);
    // The last panel reaches to the bar's right end, so the selected object's
    // name is not cut off at its designed width.
    if (i < 2) StatusPanels[i]->setFixedWidth(widths[i]);
    else StatusPanels[i]->setMinimumWidth(widths[i]);
    statusBar()->addWidget(StatusPanels[i], i < 2 ? 0 : 1);
  }
  Progress1 = new QProgressBar(statusBar());
  Progress1->setGeometry(widths[0] + 2, 2, widths[1] - 2, 18);
  Progress1->hide();
}

void TfmMain::readPlacement() {
  const TEditorWindowPlacement p = commands_->Settings().ReadMainWindow(kDesignedPlacement);
  if (p.Width > 0 && p.Height > 0) setGeometry(p.Left, p.Top, p.Width, p.Height);
  if (p.WindowState == EditorWindowMaximized) setWindowState(Qt::WindowMaximized);
  else if (p.WindowState == EditorWindowMinimized) setWindowState(Qt::WindowMinimized);
}

void TfmMain::writePlacement() {
  TEditorWindowPlacement p;
  const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
  p.Left = r.x();
  p.Top = r.y();
  p.Width = r.width();
  p.Height = r.height();
  p.WindowState = isMaximized() ? EditorWindowMaximized : isMinimized() ? EditorWindowMinimized : EditorWindowNormal;
  try {
    commands_->Settings().WriteMainWindow(p);
  } catch (const std::exception&) {
    // A settings file that cannot be written keeps its old placement.
  }
}

void TfmMain::ShowAbout() {
  if (!fmAbout_) fmAbout_ = new TfmAbout(this);
  fmAbout_->exec();
}

void TfmMain::FormShow(const std::vector<std::string>& args) {
  if (shown_) return;
  shown_ = true;
  platform::application().Guarded([&] { commands_->OpenFromCommandLine(args); });
}

void TfmMain::closeEvent(QCloseEvent* event) {
  bool canClose = false;
  platform::application().Guarded([&] { canClose = commands_->CloseQueryAll(); });
  closing_ = canClose;
  if (canClose) event->accept(); else event->ignore();
}

bool TfmMain::menuTakesKey(const QKeyEvent& key) const {
  const QKeySequence pressed(QKeyCombination(key.modifiers(), Qt::Key(key.key())));
  for (const auto& [name, action] : actions_) {
    if (!action->isEnabled() || action->shortcut() != pressed) continue;
    if (pressed == QKeySequence(Qt::Key_Delete)) return commands_->Active() && commands_->Active()->HasSelection();
    return true;
  }
  return false;
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this && menuTakesKey(*static_cast<QKeyEvent*>(event))) {
    // Left unaccepted, the key goes to the shortcut of the menu item.
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

TfmChild* TfmMain::windowOf(QMdiSubWindow* sub) const {
  for (const auto& w : windows_)
    if (w->SubWindow() == sub) return w.get();
  return nullptr;
}

TfmChild* TfmMain::activeChild() const {
  for (const auto& w : windows_)
    if (w.get() == commands_->Active()) return w.get();
  return nullptr;
}

TDocumentWindowSeam& TfmMain::CreateDocumentWindow() {
  // The new window is counted among the document windows: the first is "Nuevo 1".
  auto window = std::make_unique<TfmChild>(*childHost_, commands_->ProgramFolder(), int(windows_.size()) + 1, pm1);
  auto* sub = new TDocumentSubWindow;
  sub->setWidget(window.get());
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  TfmChild* raw = window.get();
  sub->OnCloseQuery = [this, raw] {
    if (closing_) return true;
    bool closed = false;
    platform::application().Guarded([&] { closed = commands_->CloseWindow(*raw); });
    return closed;
  };
  window->SetSubWindow(sub);
  // Moving over the document window around its paint box hides the hint, as
  // moving over the paint box does.
  ToolInfo->AttachHider(sub);
  for (QWidget* panel : window->HintHiders()) ToolInfo->AttachHider(panel);
  MdiArea->addSubWindow(sub);
  sub->setWindowTitle(window->windowTitle());
  sub->show();
  windows_.push_back(std::move(window));
  enableCloseCommands();
  return *raw;
}

void TfmMain::FreeDocumentWindow(TDocumentWindowSeam& window) {
  for (auto it = windows_.begin(); it != windows_.end(); ++it) {
    if (it->get() != &window) continue;
    QMdiSubWindow* sub = (*it)->SubWindow();
    (*it)->setParent(nullptr);
    MdiArea->removeSubWindow(sub);
    sub->deleteLater();
    windows_.erase(it);
    enableCloseCommands();
    return;
  }
}

void TfmMain::ActivateDocumentWindow(TDocumentWindowSeam& window) {
  for (const auto& w : windows_)
    if (w.get() == &window) MdiArea->setActiveSubWindow(w->SubWindow());
}

std::optional<std::filesystem::path> TfmMain::OpenFileDialog(const std::string& title,
                                                             const std::filesystem::path& folder) {
  QFileDialog dialog(this, qs(title), platform::qt::qPath(folder), qtFilter());
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setDefaultSuffix("tql");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return platform::qt::diskPath(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path> TfmMain::SaveFileDialog(const std::string& title,
                                                             const std::filesystem::path& startName,
                                                             const std::string& defaultExt) {
  QFileDialog dialog(this, qs(title), platform::qt::qPath(startName.empty() ? commands_->ProgramFolder() : startName),
                     qtFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(qs(defaultExt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return platform::qt::diskPath(dialog.selectedFiles().first());
}

void TfmMain::ShowMessage(const std::string& text, const std::string& title, TMessageIcon icon) {
  platform::qt::ShowMessageBox(this,
                               icon == miError      ? QMessageBox::Critical
                               : icon == miQuestion ? QMessageBox::Question
                                                    : QMessageBox::Information,
                               qs(title), qs(text), QMessageBox::Ok);
}

TAnswer TfmMain::AskYesNoCancel(const std::string& text, const std::string& title) {
  switch (askQuestion(this, text, title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return ansYes;
    case QMessageBox::No: return ansNo;
    default: return ansCancel;
  }
}

bool TfmMain::AskYesNo(const std::string& text, const std::string& title) {
  return askQuestion(this, text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TfmMain::SetStatusText(int panel, const std::string& text) {
  if (panel >= 0 && panel < 3) StatusPanels[panel]->setText(qs(text));
}

void TfmMain::EnableDocumentCommands(bool enable) {
  documentCommandsOn_ = enable;
  tbObjects->setVisible(enable);
  for (QWidget* w : documentButtons_) w->setEnabled(enable);
  for (QAction* a : documentActions_) a->setEnabled(enable);
  Ventana1->setEnabled(enable);
  for (QAction* a : Ventana1->actions()) a->setEnabled(enable);
  if (!enable) armFindNext(false);
  enableGridCommands();
  enableCloseCommands();
}

void TfmMain::EnableGridCommands(bool enable) {
  gridCommandsOn_ = enable;
  enableGridCommands();
}

void TfmMain::enableGridCommands() {
  const bool enable = documentCommandsOn_ && gridCommandsOn_;
  for (QWidget* w : gridButtons_) w->setEnabled(enable);
  // A white box while it is on, through the palette: a style sheet's background
  // would also paint its list's highlight and hide the current item.
  QPalette zoomColours;  // an empty palette: the inherited colours again
  if (enable) {
    zoomColours = cbZoom->palette();
    zoomColours.setColor(QPalette::Button, Qt::white);
  }
  cbZoom->setPalette(zoomColours);
  miEdit->setEnabled(enable);
  // A disabled item's key goes to the keyboard's widget: a game's text keeps Del,
  // Ins, F5 and the others.
  QAction* findNext = Action("Buscar &siguiente");
  for (QAction* a : gridActions_) a->setEnabled(enable && (a != findNext || findNextArmed_));
}

void TfmMain::armFindNext(bool armed) {
  findNextArmed_ = armed;
  enableGridCommands();
}

void TfmMain::enableCloseCommands() {
  const bool any = !windows_.empty();
  Action("&Cerrar")->setEnabled(any);
  Button("Cerrar")->setEnabled(any);
}

void TfmMain::ShowPalettePages(TDocKind kind) {
  Palette->ShowPageSet(kind);
  tbObjects->setVisible(true);
}
void TfmMain::SetPaletteVisible(bool visible) { tbObjects->setVisible(visible); }

void TfmMain::SetGridChecked(bool checked) {
  Action("&Grilla")->setChecked(checked);
  Button("Grilla")->SetDown(checked);
}

void TfmMain::Arrange(TArrangement arrangement) {
  if (arrangement == arCascade) return MdiArea->cascadeSubWindows();
  QList<QMdiSubWindow*> open, icons;
  for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
    if (!sub->isVisible()) continue;
    (sub->isMinimized() ? icons : open).push_back(sub);
  }
  const QRect area = MdiArea->viewport()->rect();
  if (arrangement == arIcons) {
    // The minimised windows in a row along the bottom edge.
    int x = 0;
    for (QMdiSubWindow* icon : icons) {
      icon->move(x, area.bottom() + 1 - icon->height());
      x += icon->width();
    }
    return;
  }
  // Horizontal tiling stacks the windows, each as wide as the frame; vertical
  // tiling sets them side by side, each as tall as the frame.
  const int n = int(open.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* sub = open[i];
    if (sub->isMaximized()) sub->showNormal();
    if (arrangement == arTileHorizontal) {
      const int top = area.height() * i / n, bottom = area.height() * (i + 1) / n;
      sub->setGeometry(0, top, area.width(), bottom - top);
    } else {
      const int left = area.width() * i / n, right = area.width() * (i + 1) / n;
      sub->setGeometry(left, 0, right - left, area.height());
    }
  }
}
