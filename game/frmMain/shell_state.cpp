#include "game/frmMain/shell_state.h"

TShellState GameShell;
TShellTexts ShellTexts;
