#include "platform/qt/dialogs/message_box.h"

#include <QAbstractButton>

#include "platform/qt/text/qt_text.h"

namespace platform::qt {

void SpanishButtons(QMessageBox& box) {
  static const struct {
    QMessageBox::StandardButton button;
    const char* text;
  } kTexts[] = {{QMessageBox::Yes, "&S\xED"},
                {QMessageBox::No, "&No"},
                {QMessageBox::Cancel, "Cancelar"},
                {QMessageBox::Ok, "Aceptar"}};
  for (const auto& t : kTexts)
    if (QAbstractButton* b = box.button(t.button)) b->setText(qs(t.text));
}

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, text, buttons, parent);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  SpanishButtons(box);
  if (box.exec() == -1) return QMessageBox::Cancel;
  return box.standardButton(box.clickedButton());
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text, QMessageBox::StandardButton defaultButton) {
  return ShowMessageBox(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        defaultButton) == QMessageBox::Yes;
}

}  // namespace platform::qt
