#pragma once
// Internal to the world-map art: its colour entries and the drawing of each
// family of images.
#include <functional>

#include "content/mapart/map_art.h"
#include "content/mapart/toolkit.h"

namespace mapart::map {

enum Colour : uint8_t {
  PathLight = 11, Path = 12, PathDark = 13, PathEdge = 14,
  Water = kMapWaterEntry,
  GreenDark = 21, Green = 22, GreenLight = 23, GreenDeep = 24,
  Wood = 25, WoodLight = 26, WoodDark = 27,
  Stone = 28, StoneLight = 29, StoneBright = 30, StoneDark = 31,
  WaterDeep = 32, Foam = 33, Sparkle = 34,
  Sand = 36, SandMid = 37, SandDark = 38,
  Roof = 39, RoofDark = 40, RoofLight = 41,
  Slate = 42, SlateDark = 43,
  Ice = 44, IceMid = 45, IceDark = 46,
  Flame = 47, FlameMid = 48, FlameHi = 49,
  Ship = kMapShipEntry,
  Dusk = 51, DuskMid = 52, DuskLight = 53,
  Cream = 54,
  Pipe = 55, PipeLight = 56, PipeDark = 57,
  Pink = 58, PinkDark = 59,
  Bone = 61, BoneDark = 62,
  Foe = 64, FoeDark = 65,
  Dust = 66, DustMid = 67, DustDark = 68,
  Violet = 69, VioletLight = 70,
  Ship2 = kMapShip2Entry,
};

void setMapPalette(Palette& palette);

// Each family puts its images at their fixed indices.
using Put = std::function<void(int index, const char* name, Canvas image)>;
void drawFigures(const Put& put);   // players, enemy, stars, dust, cards
void drawNodes(const Put& put);     // level nodes, houses, castles, markers
void drawTerrain(const Put& put);   // paths, lakes, rivers, bridges, scenery

// A 16x16 image with nothing drawn.
Canvas cell();

}  // namespace mapart::map
