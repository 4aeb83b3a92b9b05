// The complete level image library, family by family.
#include "content/art/families.h"

namespace art {

std::vector<NamedImage> buildGameImages() {
  ImageSet set(kGameImageCount);
  drawPlayer(set);
  drawEnemies(set);
  drawBlocks(set);
  drawTerrain(set);
  drawPipes(set);
  drawItems(set);
  drawHazards(set);
  drawWater(set);
  drawShip(set);
  drawScenery(set);
  return std::move(set).finish();
}

}  // namespace art
