#pragma once
// The level and world properties window around TLevelPropModel.
#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "editor/frmLevelProp/level_prop_model.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TNumberBox;
class QToolButton;
class QWidget;

// The file fields whose "..." button opens a selector.
enum class TLevelPropFile { BgImage, ImageLib, SoundLib, MIDIFile };

class TfmLevelProp : public QDialog {
 public:
  explicit TfmLevelProp(QWidget* parent = nullptr);

  TLevelPropModel Model;  // Model.Tag selects the mode before Execute
  // A "..." button: the main window opens the selector of that file, starting
  // at start (empty for none); the chosen full path, or nothing on cancel.
  std::function<std::optional<std::string>(TfmLevelProp& Sender, TLevelPropFile file, const std::string& start)>
      OnSelectFile;
  // A swatch's "...": the full colour dialog starting at a colour; nothing on cancel.
  std::function<std::optional<TColor>(TfmLevelProp& Sender, TColor start)> OnChooseColor;
  std::filesystem::path ProgramFolder;

  // Fills the fields for Model.Tag and shows the dialog modally. True on OK: the
  // caller then creates the new document's window (modes 0 and 1) and calls
  // Model.ApplyTo on the active document.
  bool Execute(const TDocument* active, const TNewLevelSettings& newLevel);

  QTabWidget* Tabs() const { return tabs1_; }
  QLineEdit* Text(std::string TLevelPropModel::*field) const;
  QSpinBox* Number(std::string TLevelPropModel::*field) const;
  QCheckBox* Box(bool TLevelPropModel::*field) const;
  QLabel* Swatch(int index) const { return swatches_[index]; }
  QRadioButton* EffectRadio(int tag) const { return effects_[tag]; }
  QToolButton* FileButton(TLevelPropFile file) const { return fileButtons_[int(file)]; }
  QWidget* NameFields() const { return nameFields_; }

  // The widgets into the model and back.
  void Store();
  void Load();

 private:
  void Button1Click();
  void selectFile(TLevelPropFile file, std::string TLevelPropModel::*field);
  void paintSwatch(int index);
  void enableRain();

  QTabWidget* tabs1_;
  QWidget* nameFields_ = nullptr;
  std::vector<std::pair<std::string TLevelPropModel::*, QLineEdit*>> texts_;
  std::vector<std::pair<std::string TLevelPropModel::*, TNumberBox*>> numbers_;
  std::vector<std::pair<bool TLevelPropModel::*, QCheckBox*>> boxes_;
  std::array<QLabel*, kSwatchCount> swatches_{};
  std::array<QRadioButton*, 8> effects_{};
  std::array<QToolButton*, 4> fileButtons_{};
  std::vector<QWidget*> rainFields_;
  QPushButton* ok_ = nullptr;
};
