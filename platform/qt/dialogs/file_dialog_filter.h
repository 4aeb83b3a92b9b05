#pragma once
// File dialog filters as the programs write them ("Description|*.ext;*.ex2|...",
// Windows-1252) in the form Qt's file dialogs take ("Description (*.ext *.ex2);;...").
#include <QString>
#include <string>

namespace platform::qt {

QString FileDialogFilter(const std::string& filter);

}  // namespace platform::qt
