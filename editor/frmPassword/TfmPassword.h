#pragma once
// The password prompt's window around TfmPasswordModel.
#include <QDialog>

#include "editor/frmPassword/password_model.h"

class QLineEdit;

class TfmPassword : public QDialog {
 public:
  explicit TfmPassword(QWidget* parent = nullptr);

  TfmPasswordModel Model;
  // Shows the prompt modally for a document's password (Windows-1252); true on OK.
  bool Ask(const std::string& password);
  QLineEdit* edPass() const { return edPass_; }

 private:
  void Button1Click();
  QLineEdit* edPass_;
  std::string password_;
};
