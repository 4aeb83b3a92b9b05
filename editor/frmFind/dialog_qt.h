#pragma once
// What the editor's small dialogs share at the Qt boundary.
#include <QString>
#include <functional>
#include <string>

#include "platform/qt/text/qt_text.h"

class QBoxLayout;
class QColor;
class QDialog;
class QPushButton;
class QRadioButton;

// Windows-1252 text to Qt and back.
using platform::qt::cp;
using platform::qt::qs;
// A colour in the documents' 0x00BBGGRR form to Qt and back.
QColor qcolor(int bgr);
int bgrOf(const QColor& color);
// "Aceptar" (default) and "Cancelar" at the bottom of a dialog; "Aceptar" runs
// onOk (the dialog decides whether it closes), "Cancelar" rejects.
QPushButton* AddOkCancel(QDialog* dialog, QBoxLayout* layout, std::function<void()> onOk);
// Checks or clears a radio button; clearing the checked one leaves its group
// with none checked, as a value of no radio needs.
void SetRadioChecked(QRadioButton* radio, bool checked);
