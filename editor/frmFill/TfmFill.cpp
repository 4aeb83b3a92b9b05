#include "editor/frmFill/TfmFill.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "editor/frmFind/dialog_qt.h"

TfmFill::TfmFill(QWidget* parent)
    : QDialog(parent),
      chooser_(new TKindChooserBox(Model.Chooser, this)),
      cbOverwrite_(new QCheckBox(QStringLiteral("Sobreescribir existentes"), this)) {
  setWindowTitle(qs(kFillCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chooser_);
  layout->addWidget(cbOverwrite_);
  connect(cbOverwrite_, &QCheckBox::toggled, this, [this](bool on) { Model.cbOverwrite = on; });
  AddOkCancel(this, layout, [this] { accept(); });
}

bool TfmFill::Execute(const std::string* selectedLine) {
  Model.Prepare(selectedLine);
  chooser_->Refresh();
  cbOverwrite_->setChecked(Model.cbOverwrite);
  return exec() == QDialog::Accepted;
}
