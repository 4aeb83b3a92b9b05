#pragma once
// The common window of the four resource selectors: the list of the folder's
// files in four view styles, the preview area that each selector fills,
// "&Examinar..." for a file elsewhere, and "&Aceptar" handing the chosen path
// back in SelectedFile. What the list holds is TResourceSelectorModel's.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "editor/Selectors/selector_model.h"

class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class QStandardItemModel;
class QToolButton;
class QTreeView;
class QVBoxLayout;

// What tells one selector from another (texts in Windows-1252).
struct TSelectorTexts {
  const char* Caption;
  const char* ListLabel;
  const char* BrowseFilter;  // "Description|pattern|..." pairs
  const char* DefaultExt;
};

class TResourceSelector : public QDialog {
 public:
  TResourceSelector(const TSelectorTexts& texts, std::string folder, std::string mask, TSelectorPaths paths,
                    QWidget* parent);
  ~TResourceSelector() override;

  TResourceSelectorModel Model;
  // The caller sets it before showing the dialog and reads it after "&Aceptar".
  const std::string& SelectedFile() const { return Model.SelectedFile; }
  void SetSelectedFile(const std::string& path) { Model.SelectedFile = path; }

  // The "Examinar" file dialog, started at the selected path: the chosen file,
  // or nothing. Replaceable so that tests need no real file dialog.
  std::function<std::optional<std::string>(TResourceSelector& Sender, const std::string& startPath)> OnBrowseFile;

  QLabel* lblList = nullptr;
  QStandardItemModel* Items = nullptr;  // columns "Nombre" and "Archivo"
  QListView* ListView = nullptr;        // large icons, small icons and list
  QTreeView* DetailsView = nullptr;     // details
  QToolButton* ViewButtons[4] = {};     // tags 0-3: the view styles
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
  QPushButton* btnBrowse = nullptr;

  // Fills the list and selects SelectedFile's item (runs on every show).
  void FormShow();
  void ChangeListView(int style);
  // Closes with OK when an item is selected; an empty list keeps the dialog open.
  void AcceptClick();
  void BrowseClick();
  // The widget that shows the list in the current view style.
  QWidget* CurrentListWidget() const;
  // The browse filter in Qt's form ("Description (patterns);;...").
  QString QtBrowseFilter() const;

 protected:
  // The area below "Vista previa:" that the selector fills.
  QVBoxLayout* PreviewLayout = nullptr;
  // Before the list is filled.
  virtual void BeforeShow() {}
  // After every change of the selected item.
  virtual void SelectionChanged() {}
  void showEvent(QShowEvent* event) override;

 private:
  void refillItems();
  void selectInViews(int index);
  std::optional<std::string> browseWithFileDialog(const std::string& startPath);

  TSelectorTexts texts_;
  QStackedWidget* views_ = nullptr;
  bool syncing_ = false;
  bool showing_ = false;
};
