#include "editor/frmLevelProp/TfmLevelProp.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/frmFind/dialog_qt.h"
#include "editor/frmFind/number_box.h"
#include "editor/Docs/number_fields.h"
#include "platform/core/paths.h"
#include "platform/qt/dialogs/message_box.h"

namespace {
using M = TLevelPropModel;

// A row of a form: the label, the field and the unit after it.
QWidget* withUnit(QWidget* field, const char* unit) {
  if (!unit) return field;
  auto* row = new QWidget(field->parentWidget());
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  field->setParent(row);
  layout->addWidget(field);
  layout->addWidget(new QLabel(qs(unit), row));
  layout->addStretch();
  return row;
}
}  // namespace

TfmLevelProp::TfmLevelProp(QWidget* parent)
    : QDialog(parent), tabs1_(new QTabWidget(this)) {
  ProgramFolder = platform::programFolder();
  auto text = [this](QWidget* page, std::string M::*field, bool masked = false) {
    auto* edit = new QLineEdit(page);
    if (masked) edit->setEchoMode(QLineEdit::Password);
    texts_.emplace_back(field, edit);
    return edit;
  };
  auto number = [this](QWidget* page, std::string M::*field, int min, int max) {
    auto* spin = new TNumberBox(min, max, page);
    numbers_.emplace_back(field, spin);
    return spin;
  };
  auto box = [this](QWidget* page, bool M::*field, const char* caption) {
    auto* check = new QCheckBox(qs(caption), page);
    boxes_.emplace_back(field, check);
    return check;
  };
  auto fileRow = [this, text](QWidget* page, std::string M::*field, TLevelPropFile file) {
    auto* row = new QWidget(page);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* edit = text(row, field);
    auto* button = new QToolButton(row);
    button->setText("...");
    layout->addWidget(edit);
    layout->addWidget(button);
    fileButtons_[int(file)] = button;
    connect(button, &QToolButton::clicked, this, [this, file, field] { selectFile(file, field); });
    return row;
  };

  // General.
  auto* general = new QWidget;
  auto* generalLayout = new QVBoxLayout(general);
  nameFields_ = new QWidget(general);
  auto* names = new QFormLayout(nameFields_);
  names->setContentsMargins(0, 0, 0, 0);
  names->addRow(qs("Nombre:"), text(nameFields_, &M::Edit1));
  // The world's number: typing takes 0..999; a level keeps it empty, and a text
  // the file holds there stays as it is unless the author types a number over it.
  QLineEdit* world = text(nameFields_, &M::edShortName);
  auto* worldNumbers = new QIntValidator(0, 999, world);
  world->setValidator(worldNumbers);
  // The edit checks typing only from a valid text: typing into a text of the
  // file that is no number is undone unless it makes a number.
  connect(world, &QLineEdit::textEdited, world, [world, worldNumbers](QString typed) {
    int position = 0;
    if (worldNumbers->validate(typed, position) == QValidator::Invalid) world->undo();
  });
  names->addRow(qs("Mundo:"), world);
  generalLayout->addWidget(nameFields_);
  auto* panel4 = new QFormLayout;
  panel4->addRow(qs("Tiempo:"), withUnit(number(general, &M::Edit2, 0, 999), "segundos"));
  panel4->addRow(qs("Ancho:"), withUnit(number(general, &M::Edit3, 0, 32767), "bloques"));
  panel4->addRow(qs("Alto:"), withUnit(number(general, &M::Edit4, 0, 32767), "bloques"));
  TNumberBox* factor = number(general, &M::Edit5, 0, 256);
  factor->setToolTip(qs("16 es predeterminado"));
  panel4->addRow(qs("Factor:"), withUnit(factor, "p\xEDxeles"));
  TNumberBox* animations = number(general, &M::Edit8, 0, 32767);
  animations->setToolTip(qs("150ms es predeterminado"));
  panel4->addRow(qs("Animaciones:"), withUnit(animations, "milisegundos"));
  panel4->addRow(qs("Contrase\xF1" "a:"), text(general, &M::edPass, true));
  panel4->addRow(qs("Confirmar contrase\xF1" "a:"), text(general, &M::edConfPass, true));
  panel4->addRow(qs("Autoavance X:"), number(general, &M::Edit15, -10, 10));
  panel4->addRow(qs("Autoavance Y:"), number(general, &M::Edit16, -10, 10));
  panel4->addRow(box(general, &M::cbHalfAutoScroll, "Autoavance a la mitad de velocidad"));
  generalLayout->addLayout(panel4);
  generalLayout->addStretch();
  tabs1_->addTab(general, qs("General"));

  // Graphics.
  auto* graphics = new QWidget;
  auto* graphicsLayout = new QVBoxLayout(graphics);
  auto* background = new QGroupBox(qs(" Fondo "), graphics);
  auto* bgForm = new QFormLayout(background);
  bgForm->addRow(qs("Imagen:"), fileRow(background, &M::Edit6, TLevelPropFile::BgImage));
  bgForm->addRow(qs("X:"), number(background, &M::Edit11, 0, 32767));
  bgForm->addRow(qs("Y:"), number(background, &M::Edit12, 0, 32767));
  bgForm->addRow(qs("Ancho:"), number(background, &M::Edit13, 0, 32767));
  bgForm->addRow(qs("Alto:"), number(background, &M::Edit14, 0, 32767));
  graphicsLayout->addWidget(background);
  auto* rain = new QGroupBox(graphics);
  auto* rainForm = new QFormLayout(rain);
  QCheckBox* cbRain = box(rain, &M::cbRain, "Lluvia");
  rainForm->addRow(cbRain);
  QWidget* density = withUnit(number(rain, &M::edRainDensity, 0, 10002), "gotas");
  QWidget* speed = withUnit(text(rain, &M::edRainSpeed), "p\xEDxeles");
  rainForm->addRow(qs("Densidad:"), density);
  rainForm->addRow(qs("Velocidad:"), speed);
  rainFields_ = {density, speed, rainForm->labelForField(density), rainForm->labelForField(speed)};
  connect(cbRain, &QCheckBox::clicked, this, [this](bool on) {
    Model.cbRainClick(on);
    enableRain();
  });
  graphicsLayout->addWidget(rain);
  graphicsLayout->addStretch();
  tabs1_->addTab(graphics, qs("Gr\xE1" "ficos"));

  // Palette.
  auto* palette = new QWidget;
  auto* paletteForm = new QFormLayout(palette);
  for (int i = 0; i < kSwatchCount; ++i) {
    auto* row = new QWidget(palette);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    swatches_[i] = new QLabel(row);
    swatches_[i]->setFixedSize(48, 16);
    swatches_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatches_[i]->setAutoFillBackground(true);
    auto* choose = new QToolButton(row);
    choose->setText("...");
    auto* reset = new QPushButton(qs("Predeterminado"), row);
    reset->setToolTip(QString::number(kSwatches[i].Default));
    layout->addWidget(swatches_[i]);
    layout->addWidget(choose);
    layout->addWidget(reset);
    layout->addStretch();
    paletteForm->addRow(qs(kSwatches[i].Label), row);
    connect(choose, &QToolButton::clicked, this, [this, i] {
      if (!OnChooseColor) return;
      if (auto color = OnChooseColor(*this, Model.Colors[i])) Model.Colors[i] = *color & 0xFFFFFF;
      paintSwatch(i);
    });
    connect(reset, &QPushButton::clicked, this, [this, i] {
      Model.SetDefaultColor(i);
      paintSwatch(i);
    });
  }
  tabs1_->addTab(palette, qs("Paleta"));
  OnChooseColor = [](TfmLevelProp& self, TColor start) -> std::optional<TColor> {
    const QColor chosen = QColorDialog::getColor(qcolor(start), &self);
    if (!chosen.isValid()) return std::nullopt;
    return bgrOf(chosen);
  };

  // Files.
  auto* files = new QWidget;
  auto* filesForm = new QFormLayout(files);
  filesForm->addRow(qs("Animaciones:"), fileRow(files, &M::Edit7, TLevelPropFile::ImageLib));
  filesForm->addRow(qs("Sonidos:"), fileRow(files, &M::Edit9, TLevelPropFile::SoundLib));
  filesForm->addRow(qs("M\xFAsica MIDI:"), fileRow(files, &M::Edit10, TLevelPropFile::MIDIFile));
  tabs1_->addTab(files, qs("Archivos"));

  // Advanced.
  auto* advanced = new QWidget;
  auto* advancedLayout = new QVBoxLayout(advanced);
  auto* info = new QFormLayout;
  info->addRow(qs("Texto de informaci\xF3n:"), text(advanced, &M::edAddText));
  advancedLayout->addLayout(info);
  auto* effect = new QGroupBox(qs(" Efecto de la paleta "), advanced);
  auto* effectLayout = new QVBoxLayout(effect);
  for (int tag = 0; tag < int(effects_.size()); ++tag) {
    effects_[tag] = new QRadioButton(qs(kPaletteFXCaptions[tag]), effect);
    effectLayout->addWidget(effects_[tag]);
    connect(effects_[tag], &QRadioButton::toggled, this, [this, tag](bool on) {
      if (on) Model.RadioFXClick(tag);
    });
  }
  advancedLayout->addWidget(effect);
  advancedLayout->addWidget(box(advanced, &M::cbWrap, "Ley de la cuarta dimensi\xF3n (bordes unidos)"));
  advancedLayout->addWidget(box(advanced, &M::cbInitialInfo, "Mostrar la informaci\xF3n inicial (s\xF3lo para mapas)"));
  advancedLayout->addStretch();
  tabs1_->addTab(advanced, qs("Avanzado"));

  auto* layout = new QVBoxLayout(this);
  tabs1_->setUsesScrollButtons(false);  // every page's tab in sight
  layout->addWidget(tabs1_);
  ok_ = AddOkCancel(this, layout, [this] { Button1Click(); });
  Model.OnError = [this](TLevelPropModel&, const std::string& message, const std::string& title) {
    platform::qt::ShowMessageBox(this, QMessageBox::Critical, qs(title), qs(message), QMessageBox::Ok);
  };
}

QLineEdit* TfmLevelProp::Text(std::string M::*field) const {
  for (auto& [f, edit] : texts_)
    if (f == field) return edit;
  return nullptr;
}

QSpinBox* TfmLevelProp::Number(std::string M::*field) const {
  for (auto& [f, spin] : numbers_)
    if (f == field) return spin;
  return nullptr;
}

QCheckBox* TfmLevelProp::Box(bool M::*field) const {
  for (auto& [f, check] : boxes_)
    if (f == field) return check;
  return nullptr;
}

bool TfmLevelProp::Execute(const TDocument* active, const TNewLevelSettings& newLevel) {
  Model.FormShow(active, newLevel);
  Load();
  tabs1_->setCurrentIndex(0);
  ok_->setFocus();
  return exec() == QDialog::Accepted;
}

void TfmLevelProp::Load() {
  setWindowTitle(qs(Model.Caption));
  // A level has no name fields of its own on this page: the panel covers them.
  nameFields_->setVisible(Model.Panel4Top != 8);
  for (auto& [field, edit] : texts_) edit->setText(qs(Model.*field));
  for (auto& [field, spin] : numbers_) spin->Show(Model.*field);
  for (auto& [field, check] : boxes_) check->setChecked(Model.*field);
  for (int i = 0; i < kSwatchCount; ++i) paintSwatch(i);
  // An effect of no radio checks none, rather than leaving the last showing's radio checked.
  for (int tag = 0; tag < int(effects_.size()); ++tag) {
    const QSignalBlocker block(effects_[tag]);
    SetRadioChecked(effects_[tag], tag == Model.PaletteFX);
  }
  enableRain();
}

void TfmLevelProp::Store() {
  for (auto& [field, edit] : texts_) Model.*field = cp(edit->text());
  for (auto& [field, spin] : numbers_) Model.*field = spin->Stored();
  for (auto& [field, check] : boxes_) Model.*field = check->isChecked();
}

void TfmLevelProp::Button1Click() {
  Store();
  try {
    if (Model.CheckConfirm()) return accept();
  } catch (const EConvertError& e) {
    platform::qt::ShowMessageBox(this, QMessageBox::Critical, qs(kErrorTitle), qs(ConvertErrorText(e)), QMessageBox::Ok);
    return;
  }
  Text(&M::edPass)->clear();
  Text(&M::edConfPass)->clear();
  tabs1_->setCurrentIndex(0);
  Text(&M::edPass)->setFocus();
}

void TfmLevelProp::selectFile(TLevelPropFile file, std::string M::*field) {
  if (!OnSelectFile) return;
  Store();
  const std::string start = M::SelectorStart(Model.*field, ProgramFolder);
  if (auto chosen = OnSelectFile(*this, file, start)) {
    try {
      Model.*field = M::FieldOfChosenFile(*chosen, ProgramFolder);
    } catch (const platform::EUnstorableLink& e) {
      platform::qt::ShowMessageBox(this, QMessageBox::Critical, qs(kErrorTitle), qs(platform::UnstorableLinkText(e)),
                                   QMessageBox::Ok);
      return;
    }
    Text(field)->setText(qs(Model.*field));
  }
}

void TfmLevelProp::paintSwatch(int index) {
  QPalette colors = swatches_[index]->palette();
  colors.setColor(QPalette::Window, qcolor(Model.Colors[index]));
  swatches_[index]->setPalette(colors);
}

void TfmLevelProp::enableRain() {
  for (QWidget* w : rainFields_)
    if (w) w->setEnabled(Model.RainFieldsEnabled);
}
