#include "editor/frmReplace/TfmReplace.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "editor/frmFind/dialog_qt.h"

namespace {
QGroupBox* group(QWidget* parent, const char* title, QWidget* content) {
  auto* box = new QGroupBox(qs(title), parent);
  (new QVBoxLayout(box))->addWidget(content);
  return box;
}
}  // namespace

TfmReplace::TfmReplace(QWidget* parent)
    : QDialog(parent),
      findKind_(new TKindChooserBox(Model.FindKind, this)),
      newKind_(new TKindChooserBox(Model.NewKind, this)) {
  setWindowTitle(qs(kReplaceCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group(this, " Buscar ", findKind_));
  layout->addWidget(group(this, " Reemplazar por ", newKind_));
  AddOkCancel(this, layout, [this] { accept(); });
}

bool TfmReplace::Execute(const std::string* selectedLine) {
  Model.Prepare(selectedLine);
  findKind_->Refresh();
  newKind_->Refresh();
  return exec() == QDialog::Accepted;
}
