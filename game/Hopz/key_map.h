#pragma once
// Qt key codes to the Windows virtual keys the game and the settings file use.
#include <QKeyEvent>

// 0 for keys the game has no code for.
int virtualKeyOf(const QKeyEvent& event);
