#include "editor/frmPassword/TfmPassword.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/dialogs/message_box.h"
#include "platform/qt/text/qt_text.h"

using platform::qt::qs;

TfmPassword::TfmPassword(QWidget* parent) : QDialog(parent), edPass_(new QLineEdit(this)) {
  setWindowTitle(qs(kPasswordCaption));
  edPass_->setEchoMode(QLineEdit::Password);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(qs("Aceptar"), QDialogButtonBox::AcceptRole);
  buttons->addButton(qs("Cancelar"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(qs(kPasswordPrompt), this));
  layout->addWidget(edPass_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Button1Click(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Model.OnError = [this](TfmPasswordModel&, const std::string& text, const std::string& title) {
    platform::qt::ShowMessageBox(this, QMessageBox::Critical, qs(title.c_str()), qs(text.c_str()), QMessageBox::Ok);
  };
}

bool TfmPassword::Ask(const std::string& password) {
  password_ = password;
  edPass_->setFocus();
  return exec() == QDialog::Accepted;
}

void TfmPassword::Button1Click() {
  Model.edPass = platform::qt::cp(edPass_->text());
  if (Model.Accept(password_)) accept();
}
