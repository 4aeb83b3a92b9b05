#pragma once
// The object properties window around TSpritePropModel: one page of controls
// for the selected object's kind under the "General" tab.
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "editor/frmSpriteProp/sprite_prop_model.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class QWidget;
class QPushButton;
class TNumberBox;

class TfmSpriteProp : public QDialog {
 public:
  explicit TfmSpriteProp(QWidget* parent = nullptr);

  TSpritePropModel Model;
  // The picture of a kind's first image for a preview of size x size pixels;
  // without it the previews stay white.
  std::function<QImage(TfmSpriteProp& Sender, int kind, int size)> OnDrawPreview;

  // Fills the page from the line and shows the dialog modally. True on
  // "Aceptar": the caller then writes Model into the document (ConfirmSpriteProp).
  bool Execute(TDocKind docKind, const std::string& line);

  // The widgets, for the window's owner and its tests.
  QTabWidget* Tabs() const { return tabs_; }
  QStackedWidget* Pages() const { return pages_; }
  QWidget* Page(TSpritePropPage page) const;
  QLineEdit* Text(std::string TSpritePropModel::*field) const;
  QSpinBox* Number(std::string TSpritePropModel::*field) const;
  QCheckBox* Box(bool TSpritePropModel::*field) const;
  QComboBox* cbPipeDir() const { return cbPipeDir_; }
  QComboBox* cbPlantDir() const { return cbPlantDir_; }
  QComboBox* cbFlameDir() const { return cbFlameDir_; }
  QRadioButton* QuestRadio(int number) const;  // a number of kQuestRadioKinds or kOtherRadio
  QRadioButton* BombRadio(int number) const;   // a number of kBombRadioKinds or kOtherRadio
  QRadioButton* PlantRadio(int radio) const { return plantRadios_[radio - 1]; }  // 1..4
  QRadioButton* TurvoRadio(int action) const { return turvoRadios_[action - 1]; }  // 1..3
  QRadioButton* DiscRadio(int disc, int direction) const { return discRadios_[disc - 1][direction - 1]; }
  QLabel* Preview(int which) const { return previews_[which]; }  // 0 contents, 1 bomb, 2 key lock

  // The widgets into the model and back.
  void Store();
  void Load();

 private:
  void Button1Click();
  void showPreview(int which, int kind);
  std::optional<std::filesystem::path> browse(const std::string& start);
  // Runs a model handler from a widget, then shows what it changed.
  void handle(const std::function<void()>& handler);

  QTabWidget* tabs_;
  QStackedWidget* pages_;
  std::vector<std::pair<TSpritePropPage, QWidget*>> pageWidgets_;
  std::vector<std::pair<std::string TSpritePropModel::*, QLineEdit*>> texts_;
  std::vector<std::pair<std::string TSpritePropModel::*, TNumberBox*>> numbers_;
  std::vector<std::pair<bool TSpritePropModel::*, QCheckBox*>> boxes_;
  std::vector<std::pair<int, QRadioButton*>> questRadios_, bombRadios_;
  std::array<QRadioButton*, 4> plantRadios_{};
  std::array<QRadioButton*, 3> turvoRadios_{};
  std::array<std::array<QRadioButton*, 2>, 2> discRadios_{};
  std::array<QLabel*, 3> previews_{};
  QComboBox* cbPipeDir_ = nullptr;
  QComboBox* cbPlantDir_ = nullptr;
  QComboBox* cbFlameDir_ = nullptr;
  QWidget* paGoTo_ = nullptr;
  QWidget* GroupBox3_ = nullptr;
  QWidget* plantDirRow_ = nullptr;
  QWidget* flameRow_ = nullptr;
  QWidget* flameDirRow_ = nullptr;
  QWidget* hammerRow_ = nullptr;
  std::array<QWidget*, 2> discRows_{};
  QPushButton* ok_ = nullptr;
  bool loading_ = false;
};
