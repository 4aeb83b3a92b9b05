#pragma once
// Chooses a file in the first file dialog that opens while it lives, as a
// person types its name and presses Open, and keeps the folder the dialog
// opened in. A box the dialog opens for a name it did not find is closed, and
// so is a dialog that opens again after the choice.
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include "tests/support/modal_answer.h"

class FileDialogChoice {
 public:
  explicit FileDialogChoice(QString file) : file_(std::move(file)) {}
  QString startFolder;

 private:
  void answer(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) return box->reject();
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) return;
    if (chosen_) return dialog->reject();
    chosen_ = true;
    startFolder = dialog->directory().absolutePath();
    dialog->selectFile(file_);
    // As the Open button does, from the loop: a box it opens is seen by the next tick.
    QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
  }

  QString file_;
  bool chosen_ = false;
  const ModalAnswer<QWidget> answer_{10, [this](QWidget* modal) { answer(modal); }};
};
