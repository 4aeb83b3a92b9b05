#pragma once
// The fill window around TfmFillModel.
#include <QDialog>

#include "editor/frmFill/fill_model.h"
#include "editor/frmFind/TKindChooserBox.h"

class QCheckBox;

class TfmFill : public QDialog {
 public:
  explicit TfmFill(QWidget* parent = nullptr);

  TfmFillModel Model;
  // Shows the dialog modally; true on OK, with the kind and Model.cbOverwrite chosen.
  bool Execute(const std::string* selectedLine);
  TKindChooserBox* Chooser() const { return chooser_; }
  QCheckBox* cbOverwrite() const { return cbOverwrite_; }

 private:
  TKindChooserBox* chooser_;
  QCheckBox* cbOverwrite_;
};
