#pragma once
// The object palette's contents: two page sets ("Map" for world maps, "Game"
// for levels), each of named sub-pages of buttons that insert one object kind.
#include <span>
#include <string>

#include "editor/Docs/document.h"

struct TPaletteButton {
  int Kind;
  const char* Hint;  // Windows-1252
};

struct TPalettePage {
  const char* Caption;  // Windows-1252
  std::span<const TPaletteButton> Buttons;
};

// The sub-pages of the page set for a document kind: levels "Game", anything else "Map".
std::span<const TPalettePage> PalettePages(TDocKind kind);
