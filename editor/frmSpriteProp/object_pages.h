#pragma once
// Which page of the object properties dialog edits an object kind, by document
// kind, and the fields each kind's line holds after its kind and visible flag:
// the dialog's pages, its lines and Replace all read them from here.
#include <span>

#include "editor/Docs/document.h"

enum class TSpritePropPage { None, Pipe, Quest, Bomb, Jumper, Canyon, Box, RotoDisk, Lava, Base, Turvo, KeyLock, Hammer, SPipe };

// The page of a kind; None for the kinds without fields of their own (and for games).
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

// The fields from field 2 on that the page of a kind writes, in line order;
// none for a kind without a page.
std::span<const TObjectField> ObjectFields(TDocKind docKind, int kind);
