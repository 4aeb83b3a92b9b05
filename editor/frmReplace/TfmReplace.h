#pragma once
// The replace window around TfmReplaceModel.
#include <QDialog>

#include "editor/frmFind/TKindChooserBox.h"
#include "editor/frmReplace/replace_model.h"

class TfmReplace : public QDialog {
 public:
  explicit TfmReplace(QWidget* parent = nullptr);

  TfmReplaceModel Model;
  // Shows the dialog modally; true on OK, with Model.FindKind and Model.NewKind chosen.
  bool Execute(const std::string* selectedLine);
  TKindChooserBox* FindKind() const { return findKind_; }
  TKindChooserBox* NewKind() const { return newKind_; }

 private:
  TKindChooserBox *findKind_, *newKind_;
};
