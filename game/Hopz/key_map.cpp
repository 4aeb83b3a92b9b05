#include "game/Hopz/key_map.h"

#include "platform/core/keys.h"

int virtualKeyOf(const QKeyEvent& event) {
  using namespace platform;
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    if (event.modifiers() & Qt::KeypadModifier) return VK_NUMPAD0 + (key - Qt::Key_0);
    return '0' + (key - Qt::Key_0);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: case Qt::Key_AltGr: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Meta: return VK_LWIN;
    case Qt::Key_Menu: return VK_APPS;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return (event.modifiers() & Qt::KeypadModifier) ? VK_ADD : VK_OEM_PLUS;
    case Qt::Key_Minus: return (event.modifiers() & Qt::KeypadModifier) ? VK_SUBTRACT : VK_OEM_MINUS;
    case Qt::Key_Slash: return (event.modifiers() & Qt::KeypadModifier) ? VK_DIVIDE : VK_OEM_2;
    case Qt::Key_Period: return (event.modifiers() & Qt::KeypadModifier) ? VK_DECIMAL : VK_OEM_PERIOD;
    case Qt::Key_Comma: return VK_OEM_COMMA;
    case Qt::Key_Semicolon: return VK_OEM_1;
    default: return 0;
  }
}
