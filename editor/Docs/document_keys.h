#pragma once
// The [Options] keys of levels and world maps in the order the editor writes them.
#include <span>
#include <variant>

#include "editor/Docs/document.h"

struct TOptionKey {
  const char* name;
  std::variant<std::string TDocument::*, int TDocument::*, bool TDocument::*> field;
};

// World keys, then the 25 shared keys, for world maps; level keys, then the
// shared keys, for levels.
std::span<const TOptionKey> WorldOptionKeys();
std::span<const TOptionKey> LevelOptionKeys();
std::span<const TOptionKey> SharedOptionKeys();

// True when the two documents hold the same value for every [Options] key of
// either kind: a change there is a change of the document.
bool SameOptions(const TDocument& a, const TDocument& b);
