#pragma once
// The programs' message and question boxes. Their buttons read in Spanish
// ("Sí", "No", "Cancelar", "Aceptar") whatever language Qt itself speaks, so the
// game and the editor show the same words a player or an author expects.
#include <QMessageBox>
#include <QString>

namespace platform::qt {

// Gives the standard buttons of box their Spanish texts.
void SpanishButtons(QMessageBox& box);

// Shows a modal box with the buttons and returns the one pressed (Escape gives
// the cancelling one). defaultButton NoButton lets the box choose.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// A question answered by "Sí" or "No": true for "Sí".
bool AskYesNo(QWidget* parent, const QString& title, const QString& text,
              QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace platform::qt
