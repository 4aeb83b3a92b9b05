#include "editor/frmFind/dialog_qt.h"

#include <QBoxLayout>
#include <QColor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>

QColor qcolor(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
int bgrOf(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

QPushButton* AddOkCancel(QDialog* dialog, QBoxLayout* layout, std::function<void()> onOk) {
  auto* buttons = new QDialogButtonBox(dialog);
  QPushButton* ok = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, std::move(onOk));
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return ok;
}

void SetRadioChecked(QRadioButton* radio, bool checked) {
  radio->setAutoExclusive(false);
  radio->setChecked(checked);
  radio->setAutoExclusive(true);
}
