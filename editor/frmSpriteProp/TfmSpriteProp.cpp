#include "editor/frmSpriteProp/TfmSpriteProp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>
#include <stdexcept>

#include "editor/Docs/number_fields.h"
#include "editor/frmFind/dialog_qt.h"
#include "editor/frmFind/number_box.h"
#include "platform/core/paths.h"
#include "platform/qt/dialogs/file_dialog_filter.h"
#include "platform/qt/dialogs/message_box.h"

namespace {
using M = TSpritePropModel;
using F = TObjectField;

constexpr int kPreviewSize = 32;
constexpr const char* kMessageTitle = "Error";
constexpr const char* kDirections[] = {"Hacia arriba", "Hacia la derecha", "Hacia abajo", "Hacia la izquierda"};

// "Label: field" as one widget, so that label and field are enabled together.
QWidget* labelled(QWidget* parent, const char* label, QWidget* field, const char* unit = nullptr) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(qs(label), row));
  field->setParent(row);
  layout->addWidget(field);
  if (unit) layout->addWidget(new QLabel(qs(unit), row));
  layout->addStretch();
  return row;
}

QComboBox* directionList(QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (const char* direction : kDirections) list->addItem(qs(direction));
  return list;
}

// Checks the radio of the wanted number, or none at all.
void checkRadio(const std::vector<std::pair<int, QRadioButton*>>& radios, int wanted) {
  for (auto& [number, radio] : radios) SetRadioChecked(radio, number == wanted);
}

QRadioButton* radioOf(const std::vector<std::pair<int, QRadioButton*>>& radios, int wanted) {
  for (auto& [number, radio] : radios)
    if (number == wanted) return radio;
  return nullptr;
}

}  // namespace

TfmSpriteProp::TfmSpriteProp(QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)), pages_(new QStackedWidget) {
  setWindowTitle(qs(kSpritePropCaption));
  Model.ProgramFolder = platform::programFolder();
  Model.OnBrowseLink = [this](M&, const std::string& start) { return browse(start); };
  Model.OnPreviewChange = [this](M&, int which, int kind) { showPreview(which, kind); };

  auto text = [this](QWidget* parent, std::string M::*field) {
    auto* edit = new QLineEdit(parent);
    texts_.emplace_back(field, edit);
    return edit;
  };
  auto number = [this](QWidget* parent, std::string M::*field, int min, int max) {
    auto* spin = new TNumberBox(min, max, parent);
    numbers_.emplace_back(field, spin);
    return spin;
  };
  // A check box; with a handler, clicking it runs the handler.
  auto box = [this](QWidget* parent, bool M::*field, const char* caption, void (M::*handler)(bool) = nullptr) {
    auto* check = new QCheckBox(qs(caption), parent);
    boxes_.emplace_back(field, check);
    if (handler)
      connect(check, &QCheckBox::clicked, this, [this, handler](bool on) { handle([this, handler, on] { (Model.*handler)(on); }); });
    return check;
  };
  auto radio = [this](QWidget* parent, const char* caption, std::function<void()> onChosen) {
    auto* button = new QRadioButton(qs(caption), parent);
    connect(button, &QRadioButton::toggled, this, [this, onChosen](bool on) {
      if (on && !loading_) handle(onChosen);
    });
    return button;
  };
  auto linkRow = [this, text](QWidget* parent, TObjectField link, std::string M::*field, void (M::*handler)()) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(qs(FieldLabel(link)), row));
    layout->addWidget(text(row, field));
    auto* button = new QToolButton(row);
    button->setText("...");
    layout->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, handler] { handle([this, handler] { (Model.*handler)(); }); });
    return row;
  };
  auto preview = [this](QWidget* parent, int which) {
    previews_[which] = new QLabel(parent);
    previews_[which]->setFixedSize(kPreviewSize, kPreviewSize);
    previews_[which]->setFrameStyle(QFrame::Box | QFrame::Plain);
    showPreview(which, -1);
    return previews_[which];
  };
  auto page = [this](TSpritePropPage kind) {
    auto* widget = new QWidget;
    pages_->addWidget(widget);
    pageWidgets_.emplace_back(kind, widget);
    return widget;
  };

  // Pipe.
  {
    QWidget* p = page(TSpritePropPage::Pipe);
    auto* layout = new QVBoxLayout(p);
    auto* goTo = new QGroupBox(p);
    paGoTo_ = goTo;
    auto* goToLayout = new QVBoxLayout(goTo);
    goToLayout->addWidget(linkRow(goTo, F::Link, &M::edPipeLink, &M::SpeedButton1Click));
    goToLayout->addWidget(labelled(goTo, FieldLabel(F::TargetPipe), number(goTo, &M::edPipeIndex, 0, INT_MAX)));
    cbPipeDir_ = directionList(goTo);
    goToLayout->addWidget(labelled(goTo, FieldLabel(F::ExitDirection), cbPipeDir_));
    layout->addWidget(goTo);
    auto* plant = new QGroupBox(p);
    GroupBox3_ = plant;
    auto* plantLayout = new QVBoxLayout(plant);
    plantLayout->addWidget(box(plant, &M::cbPlant, FieldLabel(F::PlantCode), &M::cbPlantClick));
    const char* plantNames[] = {"Planta verde", "Planta roja", "Planta verde con fuego", "Planta roja con fuego"};
    for (int i = 0; i < 4; ++i) {
      plantRadios_[i] = radio(plant, plantNames[i], [this, i] { Model.PlantRbClick(i + 1); });
      plantLayout->addWidget(plantRadios_[i]);
    }
    cbPlantDir_ = directionList(plant);
    plantDirRow_ = labelled(plant, "Direcci\xF3n:", cbPlantDir_);
    plantLayout->addWidget(plantDirRow_);
    connect(cbPlantDir_, &QComboBox::currentIndexChanged, this, [this](int index) {
      if (!loading_) handle([this, index] { Model.cbPlantDirChange(index); });
    });
    layout->addWidget(plant);
    layout->addWidget(box(p, &M::cbSBullet, FieldLabel(F::PipeBullets)));
    layout->addStretch();
  }
  // Quest.
  {
    QWidget* p = page(TSpritePropPage::Quest);
    auto* layout = new QVBoxLayout(p);
    auto* group = new QGroupBox(qs(" Contenido "), p);
    auto* groupLayout = new QVBoxLayout(group);
    const char* names[] = {"Moneda", "Hoja", "Interruptor temporal", "Interruptor permanente",
                           "Hongo verde", "Hongo negro", "Flor de fuego", "(Ninguno)"};
    for (int i = 0; i < 8; ++i) {
      const int kind = kQuestRadioKinds[i];
      questRadios_.emplace_back(kind, radio(group, names[i], [this, kind] { Model.RadioButtonClick(kind); }));
      groupLayout->addWidget(questRadios_.back().second);
    }
    auto* other = new QWidget(group);
    auto* otherLayout = new QHBoxLayout(other);
    otherLayout->setContentsMargins(0, 0, 0, 0);
    questRadios_.emplace_back(kOtherRadio, radio(other, FieldLabel(F::ContentsKind), [this] { Model.RadioButtonClick(kOtherRadio); }));
    otherLayout->addWidget(questRadios_.back().second);
    TNumberBox* edit1 = number(other, &M::Edit1, 0, kOtherKindMax);
    connect(edit1, &QSpinBox::valueChanged, this, [this](int value) {
      if (!loading_) handle([this, value] { Model.Edit1Change(std::to_string(value)); });
    });
    otherLayout->addWidget(edit1);
    otherLayout->addWidget(preview(other, 0));
    otherLayout->addStretch();
    groupLayout->addWidget(other);
    layout->addWidget(group);
    layout->addStretch();
  }
  // Bomb.
  {
    QWidget* p = page(TSpritePropPage::Bomb);
    auto* layout = new QVBoxLayout(p);
    auto* group = new QGroupBox(qs(" Accion de explosi\xF3n "), p);
    auto* groupLayout = new QVBoxLayout(group);
    const char* names[] = {"Estallar y desaparecer", "Convertirse en dos bombas", "Convertirse en ocho monedas"};
    for (int i = 0; i < 3; ++i) {
      const int kind = kBombRadioKinds[i];
      bombRadios_.emplace_back(kind, radio(group, names[i], [this, kind] { Model.RadioButton2Click(kind); }));
      groupLayout->addWidget(bombRadios_.back().second);
    }
    auto* other = new QWidget(group);
    auto* otherLayout = new QHBoxLayout(other);
    otherLayout->setContentsMargins(0, 0, 0, 0);
    bombRadios_.emplace_back(kOtherRadio, radio(other, FieldLabel(F::TurnIntoKind), [this] { Model.RadioButton2Click(kOtherRadio); }));
    otherLayout->addWidget(bombRadios_.back().second);
    TNumberBox* edit2 = number(other, &M::Edit2, 0, kOtherKindMax);
    connect(edit2, &QSpinBox::valueChanged, this, [this](int value) {
      if (!loading_) handle([this, value] { Model.Edit2Change(std::to_string(value)); });
    });
    otherLayout->addWidget(edit2);
    otherLayout->addWidget(preview(other, 1));
    otherLayout->addStretch();
    groupLayout->addWidget(other);
    layout->addWidget(group);
    layout->addStretch();
  }
  // Jumper.
  {
    QWidget* p = page(TSpritePropPage::Jumper);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(labelled(p, FieldLabel(F::JumpSpeed), number(p, &M::edJump, 5, INT_MAX), "p\xEDxeles"));
    layout->addStretch();
  }
  // Canyon.
  {
    QWidget* p = page(TSpritePropPage::Canyon);
    auto* layout = new QVBoxLayout(p);
    // The long caption wraps: a check box of its own with a word-wrapped label beside it.
    auto* shootRow = new QWidget(p);
    auto* shootLayout = new QHBoxLayout(shootRow);
    shootLayout->setContentsMargins(0, 0, 0, 0);
    QCheckBox* canyon1 = box(shootRow, &M::cbCanyon1, "");
    auto* caption = new QLabel(qs(FieldLabel(F::ShootOffScreen)), shootRow);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption->setBuddy(canyon1);
    shootLayout->addWidget(canyon1, 0, Qt::AlignTop);
    shootLayout->addWidget(caption, 1);
    layout->addWidget(shootRow);
    layout->addWidget(box(p, &M::cbCanyonFlame, FieldLabel(F::Flame), &M::cbCanyonFlameClick));
    cbFlameDir_ = new QComboBox(p);
    cbFlameDir_->addItems({qs(kDirections[1]), qs(kDirections[3])});
    flameDirRow_ = labelled(p, FieldLabel(F::FlameDirection), cbFlameDir_);
    layout->addWidget(flameDirRow_);
    layout->addStretch();
  }
  // Box.
  {
    QWidget* p = page(TSpritePropPage::Box);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(box(p, &M::cbDown16, FieldLabel(F::DownOneCell)));
    layout->addWidget(box(p, &M::cbBoxShow, FieldLabel(F::AlwaysShown)));
    layout->addStretch();
  }
  // RotoDisk.
  {
    QWidget* p = page(TSpritePropPage::RotoDisk);
    auto* layout = new QVBoxLayout(p);
    for (int disc = 0; disc < 2; ++disc) {
      QCheckBox* check = disc == 0 ? box(p, &M::RD1, FieldLabel(F::Disc1Direction), &M::RD1Click)
                                  : box(p, &M::RD2, FieldLabel(F::Disc2Direction), &M::RD2Click);
      layout->addWidget(check);
      discRows_[disc] = new QWidget(p);
      auto* row = new QHBoxLayout(discRows_[disc]);
      row->setContentsMargins(16, 0, 0, 0);
      row->addWidget(new QLabel(qs("Direcci\xF3n:"), discRows_[disc]));
      for (int direction = 1; direction <= 2; ++direction) {
        discRadios_[disc][direction - 1] = radio(discRows_[disc], kDirections[direction == 1 ? 1 : 3], [this, disc, direction] {
          if (disc == 0) Model.RD1rb1Click(direction);
          else Model.RD2rb1Click(direction);
        });
        row->addWidget(discRadios_[disc][direction - 1]);
      }
      row->addStretch();
      layout->addWidget(discRows_[disc]);
    }
    layout->addStretch();
  }
  // Lava.
  {
    QWidget* p = page(TSpritePropPage::Lava);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(box(p, &M::cbFlame, "Llama", &M::cbFlameClick));
    flameRow_ = labelled(p, FieldLabel(F::FlameValue), number(p, &M::edFlame, -100, 100), "p\xEDxeles");
    layout->addWidget(flameRow_);
    layout->addStretch();
  }
  // Base.
  {
    QWidget* p = page(TSpritePropPage::Base);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(labelled(p, FieldLabel(F::BaseSpeed), number(p, &M::edBaseSpeed, -100, 100), "p\xEDxeles"));
    layout->addWidget(box(p, &M::cbBaseGoBack, FieldLabel(F::GoBack)));
    layout->addWidget(box(p, &M::cbBaseActivePlayer, FieldLabel(F::StartOnPlayer)));
    layout->addStretch();
  }
  // Turvo.
  {
    QWidget* p = page(TSpritePropPage::Turvo);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(labelled(p, FieldLabel(F::TurvoSpeed), number(p, &M::edKJump, -100, 100), "p\xEDxeles"));
    auto* group = new QGroupBox(qs(FieldLabel(F::MoveMode)), p);
    auto* groupLayout = new QVBoxLayout(group);
    const char* names[] = {"Saltar en el piso", "Volar horizontalmente", "Volar verticalmente"};
    for (int i = 0; i < 3; ++i) {
      turvoRadios_[i] = radio(group, names[i], [this, i] { Model.TurvoRbClick(i + 1); });
      groupLayout->addWidget(turvoRadios_[i]);
    }
    layout->addWidget(group);
    layout->addStretch();
  }
  // KeyLock.
  {
    QWidget* p = page(TSpritePropPage::KeyLock);
    auto* layout = new QVBoxLayout(p);
    TNumberBox* replace = number(p, &M::edKeyReplace, 0, 200);
    connect(replace, &QSpinBox::valueChanged, this, [this](int value) {
      if (!loading_) handle([this, value] { Model.edKeyReplaceChange(std::to_string(value)); });
    });
    auto* row = labelled(p, FieldLabel(F::OpensAs), replace);
    row->layout()->addWidget(preview(row, 2));
    layout->addWidget(row);
    layout->addStretch();
  }
  // Hammer.
  {
    QWidget* p = page(TSpritePropPage::Hammer);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(box(p, &M::cbHammer, FieldLabel(F::HasWanderer), &M::cbHammerClick));
    hammerRow_ = linkRow(p, F::WandererLink, &M::edHammer, &M::SpeedButton2Click);
    layout->addWidget(hammerRow_);
    layout->addStretch();
  }
  // SPipe.
  {
    QWidget* p = page(TSpritePropPage::SPipe);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(box(p, &M::cbBullet, FieldLabel(F::SPipeBullets)));
    layout->addStretch();
  }

  auto* general = new QWidget;
  auto* generalLayout = new QVBoxLayout(general);
  generalLayout->addWidget(pages_);
  generalLayout->addWidget(box(general, &M::cbVisible, "Animaci\xF3n visible"));
  tabs_->addTab(general, qs("General"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  ok_ = AddOkCancel(this, layout, [this] { Button1Click(); });
}

QWidget* TfmSpriteProp::Page(TSpritePropPage page) const {
  for (auto& [kind, widget] : pageWidgets_)
    if (kind == page) return widget;
  return nullptr;
}

QLineEdit* TfmSpriteProp::Text(std::string M::*field) const {
  for (auto& [f, edit] : texts_)
    if (f == field) return edit;
  return nullptr;
}

QSpinBox* TfmSpriteProp::Number(std::string M::*field) const {
  for (auto& [f, spin] : numbers_)
    if (f == field) return spin;
  return nullptr;
}

QCheckBox* TfmSpriteProp::Box(bool M::*field) const {
  for (auto& [f, check] : boxes_)
    if (f == field) return check;
  return nullptr;
}

QRadioButton* TfmSpriteProp::QuestRadio(int number) const { return radioOf(questRadios_, number); }
QRadioButton* TfmSpriteProp::BombRadio(int number) const { return radioOf(bombRadios_, number); }

bool TfmSpriteProp::Execute(TDocKind docKind, const std::string& line) {
  Model.FormShow(docKind, line);
  Load();
  tabs_->setCurrentIndex(0);
  ok_->setFocus();
  return exec() == QDialog::Accepted;
}

void TfmSpriteProp::Load() {
  loading_ = true;
  for (auto& [field, edit] : texts_)
    if (cp(edit->text()) != Model.*field) edit->setText(qs(Model.*field));
  for (auto& [field, spin] : numbers_) spin->Show(Model.*field);
  for (auto& [field, check] : boxes_) check->setChecked(Model.*field);

  pages_->setVisible(Model.PageSetVisible);
  if (QWidget* page = Page(Model.Page)) pages_->setCurrentWidget(page);
  paGoTo_->setVisible(Model.LinkGroupVisible);
  GroupBox3_->setVisible(Model.PlantGroupVisible);
  Box(&M::cbSBullet)->setVisible(Model.cbSBulletVisible);
  cbPipeDir_->setCurrentIndex(Model.cbPipeDir);

  for (int i = 0; i < 4; ++i) {
    SetRadioChecked(plantRadios_[i], Model.PlantRadio == i + 1);
    plantRadios_[i]->setEnabled(Model.PlantControlsEnabled);
  }
  cbPlantDir_->setCurrentIndex(Model.cbPlantDir);
  plantDirRow_->setEnabled(Model.PlantControlsEnabled && Model.PlantDirEnabled);

  checkRadio(questRadios_, Model.QuestRadio);
  Number(&M::Edit1)->setEnabled(Model.Edit1Enabled);
  checkRadio(bombRadios_, Model.BombRadio);
  Number(&M::Edit2)->setEnabled(Model.Edit2Enabled);

  flameRow_->setEnabled(Model.FlameEnabled);
  cbFlameDir_->setCurrentIndex(Model.cbFlameDir);
  flameDirRow_->setEnabled(Model.FlameDirEnabled);
  for (int i = 0; i < 3; ++i) SetRadioChecked(turvoRadios_[i], Model.TurvoRadio == i + 1);
  const int discRadio[2] = {Model.RD1Radio, Model.RD2Radio};
  const bool discEnabled[2] = {Model.RD1Enabled, Model.RD2Enabled};
  for (int disc = 0; disc < 2; ++disc) {
    for (int d = 0; d < 2; ++d) SetRadioChecked(discRadios_[disc][d], discRadio[disc] == d + 1);
    discRows_[disc]->setEnabled(discEnabled[disc]);
  }
  hammerRow_->setEnabled(Model.HammerEnabled);
  loading_ = false;
}

void TfmSpriteProp::Store() {
  for (auto& [field, edit] : texts_) Model.*field = cp(edit->text());
  for (auto& [field, spin] : numbers_) Model.*field = spin->Stored();
  for (auto& [field, check] : boxes_) Model.*field = check->isChecked();
  Model.cbPipeDir = cbPipeDir_->currentIndex();
  Model.cbFlameDir = cbFlameDir_->currentIndex();
}

void TfmSpriteProp::handle(const std::function<void()>& handler) {
  Store();
  try {
    handler();
  } catch (const platform::EUnstorableLink& e) {
    platform::qt::ShowMessageBox(this, QMessageBox::Critical, qs(kMessageTitle), qs(platform::UnstorableLinkText(e)),
                                 QMessageBox::Ok);
  }
  Load();
}

void TfmSpriteProp::Button1Click() {
  Store();
  try {
    Model.BuildLine();  // the caller writes it; a field that cannot be written keeps the dialog open
  } catch (const EConvertError& e) {
    platform::qt::ShowMessageBox(this, QMessageBox::Critical, qs(kMessageTitle), qs(ConvertErrorText(e)),
                                 QMessageBox::Ok);
    return;
  } catch (const ELinkWithComma& e) {
    platform::qt::ShowMessageBox(this, QMessageBox::Critical, qs(kMessageTitle), qs(LinkWithCommaText(e)),
                                 QMessageBox::Ok);
    return;
  }
  accept();
}

void TfmSpriteProp::showPreview(int which, int kind) {
  QImage picture;
  if (kind >= 0 && OnDrawPreview) picture = OnDrawPreview(*this, kind, kPreviewSize);
  if (picture.isNull()) {
    picture = QImage(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
  }
  previews_[which]->setPixmap(QPixmap::fromImage(picture));
}

std::optional<std::filesystem::path> TfmSpriteProp::browse(const std::string& start) {
  QFileDialog dialog(this, qs(kLinkDialogTitle), platform::qt::qPath(M::BrowseStart(start, Model.ProgramFolder)),
                     platform::qt::FileDialogFilter(kLinkDialogFilter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(qs(kLinkDialogExt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return platform::qt::diskPath(dialog.selectedFiles().first());
}
