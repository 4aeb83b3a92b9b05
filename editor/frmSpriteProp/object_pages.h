#pragma once
// Which page of the object properties dialog edits an object kind, by document kind.
#include "editor/Docs/document.h"

enum class TSpritePropPage { None, Pipe, Quest, Bomb, Jumper, Canyon, Box, RotoDisk, Lava, Base, Turvo, KeyLock, Hammer, SPipe };

// The page of a kind; None for the kinds without fields of their own (and for games).
TSpritePropPage SpritePropPageOf(TDocKind docKind, int kind);
// Level pipes and doors that may hold a plant.
bool PipeHasPlantGroup(int kind);
