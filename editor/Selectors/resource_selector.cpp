#include "editor/Selectors/resource_selector.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/core/paths.h"
#include "platform/qt/dialogs/file_dialog_filter.h"
#include "platform/qt/text/qt_text.h"

using platform::qt::cp;
using platform::qt::qs;

namespace {

// The icon the desktop gives to a file, or the style's plain file icon.
QIcon fileIcon(const std::string& path, QStyle* style) {
  const QIcon icon = QFileIconProvider().icon(QFileInfo(platform::qt::qPath(TResourceSelectorModel::ExpandPath(path))));
  return icon.isNull() ? style->standardIcon(QStyle::SP_FileIcon) : icon;
}

}  // namespace

TResourceSelector::TResourceSelector(const TSelectorTexts& texts, std::string folder, std::string mask,
                                     TSelectorPaths paths, QWidget* parent)
    : QDialog(parent), Model(std::move(folder), std::move(mask), paths), texts_(texts) {
  setWindowTitle(qs(texts.Caption));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  lblList = new QLabel(qs(texts.ListLabel), this);
  top->addWidget(lblList, 1);
  struct ViewButton { const char* text; QStyle::StandardPixmap icon; };
  const ViewButton viewButtons[4] = {{"Iconos grandes", QStyle::SP_FileDialogContentsView},
                                     {"Iconos peque\xF1os", QStyle::SP_FileDialogInfoView},
                                     {"Lista", QStyle::SP_FileDialogListView},
                                     {"Detalles", QStyle::SP_FileDialogDetailedView}};
  auto* group = new QButtonGroup(this);
  for (int tag = 0; tag < 4; ++tag) {
    ViewButtons[tag] = new QToolButton(this);
    ViewButtons[tag]->setIcon(style()->standardIcon(viewButtons[tag].icon));
    ViewButtons[tag]->setToolTip(qs(viewButtons[tag].text));
    ViewButtons[tag]->setCheckable(true);
    ViewButtons[tag]->setAutoRaise(true);
    group->addButton(ViewButtons[tag], tag);
    top->addWidget(ViewButtons[tag]);
  }
  connect(group, &QButtonGroup::idClicked, this, [this](int tag) { ChangeListView(tag); });
  layout->addLayout(top);

  Items = new QStandardItemModel(0, 2, this);
  Items->setHorizontalHeaderLabels({qs("Nombre"), qs("Archivo")});
  ListView = new QListView(this);
  ListView->setModel(Items);
  ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView->setResizeMode(QListView::Adjust);
  DetailsView = new QTreeView(this);
  DetailsView->setModel(Items);
  DetailsView->setSelectionModel(ListView->selectionModel());
  DetailsView->setRootIsDecorated(false);
  DetailsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DetailsView->setSelectionMode(QAbstractItemView::SingleSelection);
  DetailsView->setColumnWidth(0, 150);
  DetailsView->setColumnWidth(1, 200);
  views_ = new QStackedWidget(this);
  views_->addWidget(ListView);
  views_->addWidget(DetailsView);
  views_->setMinimumSize(360, 150);
  layout->addWidget(views_, 1);
  connect(ListView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!syncing_) Model.Select(current.isValid() ? current.row() : -1);
          });
  connect(ListView, &QListView::doubleClicked, this, [this] { AcceptClick(); });
  connect(DetailsView, &QTreeView::doubleClicked, this, [this] { AcceptClick(); });

  layout->addWidget(new QLabel(qs("Vista previa:"), this));
  PreviewLayout = new QVBoxLayout;
  layout->addLayout(PreviewLayout);

  auto* buttons = new QHBoxLayout;
  btnBrowse = new QPushButton(qs("&Examinar..."), this);
  btnOK = new QPushButton(qs("&Aceptar"), this);
  btnCancel = new QPushButton(qs("&Cancelar"), this);
  btnOK->setDefault(true);
  buttons->addWidget(btnBrowse);
  buttons->addStretch(1);
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
  connect(btnBrowse, &QPushButton::clicked, this, [this] { BrowseClick(); });
  connect(btnOK, &QPushButton::clicked, this, [this] { AcceptClick(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  Model.OnSelectionChange = [this](TResourceSelectorModel&) {
    if (showing_) return;  // FormShow updates the views once the list is complete
    selectInViews(Model.SelectedIndex());
    SelectionChanged();
  };
  OnBrowseFile = [this](TResourceSelector&, const std::string& start) { return browseWithFileDialog(start); };
  ChangeListView(Model.ViewStyle);
}

TResourceSelector::~TResourceSelector() { Model.OnSelectionChange = nullptr; }

void TResourceSelector::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TResourceSelector::FormShow() {
  BeforeShow();
  showing_ = true;
  Model.Show();
  showing_ = false;
  refillItems();
  selectInViews(Model.SelectedIndex());
  SelectionChanged();
  CurrentListWidget()->setFocus();
}

void TResourceSelector::refillItems() {
  syncing_ = true;
  Items->removeRows(0, Items->rowCount());
  const QIcon icon = Model.Items().empty() ? QIcon() : fileIcon(Model.Items().front().Path, style());
  for (const TSelectorItem& item : Model.Items()) {
    auto* caption = new QStandardItem(icon, platform::qt::qPath(item.Caption));
    auto* path = new QStandardItem(platform::qt::qPath(item.Path));
    Items->appendRow({caption, path});
  }
  syncing_ = false;
}

void TResourceSelector::selectInViews(int index) {
  if (Items->rowCount() != int(Model.Items().size())) refillItems();
  syncing_ = true;
  if (index >= 0 && index < Items->rowCount()) {
    const QModelIndex at = Items->index(index, 0);
    ListView->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    ListView->scrollTo(at);
  } else {
    ListView->selectionModel()->clear();
  }
  syncing_ = false;
}

void TResourceSelector::ChangeListView(int style) {
  if (style < vsIcon || style > vsReport) return;
  Model.ViewStyle = style;
  ViewButtons[style]->setChecked(true);
  if (style == vsReport) {
    views_->setCurrentWidget(DetailsView);
    return;
  }
  const bool large = style == vsIcon;
  ListView->setViewMode(large ? QListView::IconMode : QListView::ListMode);
  ListView->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
  ListView->setFlow(style == vsList ? QListView::TopToBottom : QListView::LeftToRight);
  ListView->setWrapping(true);
  ListView->setGridSize(large ? QSize(80, 64) : QSize());
  ListView->setMovement(QListView::Static);
  views_->setCurrentWidget(ListView);
}

QWidget* TResourceSelector::CurrentListWidget() const { return views_->currentWidget(); }

void TResourceSelector::AcceptClick() {
  if (Model.Accept()) accept();
  else CurrentListWidget()->setFocus();
}

void TResourceSelector::BrowseClick() {
  if (!OnBrowseFile) return;
  const std::optional<std::string> chosen = OnBrowseFile(*this, Model.SelectedPath());
  if (chosen && !chosen->empty()) Model.Browse(*chosen);
  CurrentListWidget()->setFocus();
}

QString TResourceSelector::QtBrowseFilter() const { return platform::qt::FileDialogFilter(texts_.BrowseFilter); }

std::optional<std::string> TResourceSelector::browseWithFileDialog(const std::string& startPath) {
  const std::filesystem::path start =
      startPath.empty() ? platform::programFolder() : std::filesystem::path(TResourceSelectorModel::ExpandPath(startPath));
  QFileDialog dialog(this, qs("Examinar"), platform::qt::qPath(start), QtBrowseFilter());
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(qs(texts_.DefaultExt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return platform::qt::diskPath(dialog.selectedFiles().first()).string();
}
