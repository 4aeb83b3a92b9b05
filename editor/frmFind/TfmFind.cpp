#include "editor/frmFind/TfmFind.h"

#include <QVBoxLayout>

#include "editor/frmFind/dialog_qt.h"

TfmFind::TfmFind(QWidget* parent) : QDialog(parent), chooser_(new TKindChooserBox(Model.Chooser, this)) {
  setWindowTitle(qs(kFindCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chooser_);
  AddOkCancel(this, layout, [this] { accept(); });
}

bool TfmFind::Execute(const std::string* selectedLine) {
  Model.Prepare(selectedLine);
  chooser_->Refresh();
  const bool ok = exec() == QDialog::Accepted;
  Model.Close(ok);
  return ok;
}
