#pragma once
// The drawing of each family of the level image library. Every function puts
// its images into the set at the indices the level animations use.
#include <vector>

#include "content/art/toolkit.h"

namespace art {

constexpr int kGameImageCount = 655;  // indices 0..654

void drawPlayer(ImageSet& set);
void drawEnemies(ImageSet& set);
void drawBlocks(ImageSet& set);
void drawTerrain(ImageSet& set);
void drawPipes(ImageSet& set);
void drawItems(ImageSet& set);
void drawHazards(ImageSet& set);
void drawWater(ImageSet& set);
void drawShip(ImageSet& set);
void drawScenery(ImageSet& set);

// All families together: the complete level library, index = position.
std::vector<NamedImage> buildGameImages();

}  // namespace art
