#pragma once
// The fields an object kind's line holds after its kind and visible flag, by
// place and meaning, and the page of the object properties dialog that edits
// them. The dialog reads and writes each field at the place given here, and
// Replace keeps a field only where the new kind gives its place the same meaning.
#include <optional>
#include <span>

#include "editor/Docs/document.h"

enum class TSpritePropPage { None, Pipe, Quest, Bomb, Jumper, Canyon, Box, RotoDisk, Lava, Base, Turvo, KeyLock, Hammer, SPipe };

// The page of a kind; None for the kinds the dialog offers no fields of (and for games).
TSpritePropPage SpritePropPageOf(TDocKind docKind, int kind);
// Level pipes and doors that may hold a plant.
bool PipeHasPlantGroup(int kind);

// A field of an object line from field 2 on, named by the control that edits it.
// A world map's nodes hold Link, TargetPipe (the pipe the player comes out of)
// and ExitDirection.
enum class TObjectField {
  Link, PlantCode, TargetPipe, ExitDirection, PipeBullets,  // pipes and doors
  ContentsKind,                                             // blocks
  JumpSpeed,                                                // jumper
  FlameValue,                                               // lava
  BaseSpeed, GoBack, StartOnPlayer,                         // moving bases
  TurnIntoKind,                                             // bombs
  ShootOffScreen, Flame, FlameDirection,                    // cannons
  TurvoSpeed, MoveMode,                                     // 163, 232
  DownOneCell, AlwaysShown,                                 // chest
  Disc1Direction, Disc2Direction,                           // rotating discs
  SPipeBullets,                                             // 355
  HasWanderer, WandererLink,                                // world paths
  OpensAs,                                                  // world lock
};

// The caption of the control that edits a field (Windows-1252): the dialog
// shows it, and a field that cannot be written is named by it.
const char* FieldLabel(TObjectField field);

// The fields of a kind from field 2 on, in line order: those of its page, or
// for a kind without a page those the game reads (the end card 60 its Link, the
// level that follows; the cannons without a page ShootOffScreen; none for most).
std::span<const TObjectField> ObjectFields(TDocKind docKind, int kind);
// The place (from 2) of a field in a kind's line, or nothing when the kind has none.
std::optional<int> FieldPlace(TDocKind docKind, int kind, TObjectField field);
