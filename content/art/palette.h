#pragma once
// The palette of the level image library. Entry 0 is the transparent colour.
// Only entries 10..129 are drawn with: 130..229 take a level's background
// picture, 240..244 the rain, and 1..9 and 246..255 hold the interface colours
// every library of the game shares. A few entries are the slots that a level
// file recolours at 8 bits per pixel (water, ships, grass, ice, plants, small
// pipes, borders); they hold the level defaults so that every depth looks alike.
#include "content/art/toolkit.h"

namespace art {

const Palette& gamePalette();

// A light-to-dark family of colours: 0 darkest .. 3 lightest.
struct Ramp {
  Index c[4];
  Index operator[](int i) const { return c[i]; }
};

namespace pal {
// Slots recoloured by the level file.
constexpr Index Border = 29, Water = 49, Ship = 50, Water2 = 53, SPipe1 = 56, Grass = 61,
                Grass2 = 63, SPipe2 = 66, Plant1Hi = 84, Ice1 = 98, Ice2 = 99, Plant1 = 101,
                Plant2 = 102, Ship2 = 108;
// Own colours.
constexpr Index Ink = 10, White = 15, Cream = 81, Night = 68, DeepWater = 78, Rust = 76,
                Lava = 64, LavaHi = 65, GhostWhite = 67, DarkMetal = 83, DarkWood = 82,
                DarkEarth = 59, IceDeep = 73, Cloud = 74, CloudShade = 75, SkyFloor = 77,
                Coral = 79, CoralDark = 80, Teal = 60, Shadow = 62;
constexpr Ramp Grey{{11, 12, 13, 14}};
constexpr Ramp Brown{{16, 17, 18, 19}};
constexpr Ramp Sand{{20, 21, 22, 23}};
constexpr Ramp Red{{24, 25, 26, 27}};
constexpr Ramp Orange{{28, 28, 30, 33}};
constexpr Ramp Gold{{31, 32, 33, 34}};
constexpr Ramp Green{{35, 36, 37, 38}};
constexpr Ramp Blue{{39, 40, 41, 42}};
constexpr Ramp Cyan{{60, 43, 44, 45}};
constexpr Ramp Purple{{46, 47, 48, 51}};
constexpr Ramp Skin{{52, 52, 54, 55}};
constexpr Ramp Pink{{57, 57, 58, 55}};
constexpr Ramp Granite{{11, 69, 70, 13}};
constexpr Ramp Marble{{13, 72, 71, 15}};
constexpr Ramp Ice{{IceDeep, Ice2, Ice1, White}};
constexpr Ramp Wood{{DarkWood, 17, 18, 19}};
constexpr Ramp Earth{{DarkEarth, 16, 17, 18}};
constexpr Ramp GrassTop{{35, Grass2, Grass, 38}};
constexpr Ramp PlantGreen{{35, Plant2, Plant1, Plant1Hi}};
constexpr Ramp Metal{{DarkMetal, 11, 12, 14}};
constexpr Ramp ShipHull{{Rust, Ship2, Ship, 33}};
constexpr Ramp WaterRamp{{DeepWater, 41, Water, Water2}};
constexpr Ramp LavaRamp{{24, 26, Lava, LavaHi}};
}  // namespace pal

}  // namespace art
