#pragma once
// What the window system says now, asked when a decision needs it rather than
// remembered from its events: those may come late, or be held back while one
// of the program's menus holds the keyboard, and then a record of them says
// the program is active when another program has the focus.

class QWidget;

namespace platform::qt {

// The keyboard's focus is now in one of this program's windows (the window
// itself, its menus, its dialogs). On an X display the X server is asked;
// where it cannot tell (another platform, or the focus follows the pointer),
// Qt's own record of the window and of the program's modal dialogs and menus.
bool focusIsInProgramOf(const QWidget& window);

// A pointer button is held now, wherever it was pressed: also on the window
// manager's frame of a window, whose presses reach no window of the program.
bool pointerButtonHeld();

}  // namespace platform::qt
