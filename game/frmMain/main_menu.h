#pragma once
// The main window's menu as data: names, Spanish captions (a language file may
// replace them) and shortcuts. The window that shows it builds its menu bar from
// this and reports clicks by item name. Text is Windows-1252.
#include <string>
#include <vector>

struct TMenuItem {
  std::string Name;     // "mnuOpenState", or "N1".. for separators
  std::string Caption;  // "-" for a separator; '&' marks the access key
  int ShortCutKey = 0;  // virtual key, 0 for none
  bool ShortCutShift = false;
  std::vector<TMenuItem> Items;

  bool IsSeparator() const { return Caption == "-"; }
};

// The resource menu: Archivo, Juego, Opciones and "?" with their items.
std::vector<TMenuItem> defaultMainMenu();

// The item of that name at the top level or directly under one; nullptr if none.
TMenuItem* findMenuItem(std::vector<TMenuItem>& menu, const std::string& name);

// What the player reads when a menu command found no program for a file of
// the game's folder (a page that no browser opens: WebPageNotOpenedText).
std::string DocumentNotOpenedText(const std::string& file);
