#pragma once
// The find window around TfmFindModel.
#include <QDialog>

#include "editor/frmFind/TKindChooserBox.h"
#include "editor/frmFind/find_model.h"

class TfmFind : public QDialog {
 public:
  explicit TfmFind(QWidget* parent = nullptr);

  TfmFindModel Model;
  // Shows the dialog modally, with the selected object's kind when there is a
  // selection; true on OK (Model.LastOK follows).
  bool Execute(const std::string* selectedLine);
  TKindChooserBox* Chooser() const { return chooser_; }

 private:
  TKindChooserBox* chooser_;
};
