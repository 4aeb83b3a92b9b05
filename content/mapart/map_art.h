#pragma once
// The world-map image library: 160 images whose indices are the frames of
// the 100 world kinds (players, nodes, paths, scenery, water, markers, the
// wandering enemy), with the three card faces at 59-61.
#include "content/mapart/toolkit.h"

namespace mapart {

inline constexpr int kMapImageCount = 160;

// Palette entries the world file recolours at 8 bits per pixel: the map's
// water (WaterColor) and the two ship colours (ShipColor, Ship2Color).
inline constexpr int kMapWaterEntry = 20;
inline constexpr int kMapShipEntry = 50;
inline constexpr int kMapShip2Entry = 108;

ArtLibrary buildMapLibrary();

}  // namespace mapart
