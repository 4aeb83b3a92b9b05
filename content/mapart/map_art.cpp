#include "content/mapart/map_art.h"

#include "content/mapart/map_art_parts.h"

namespace mapart {
namespace map {

Canvas cell() { return Canvas(16, 16); }

void setMapPalette(Palette& p) {
  ui::addUiColours(p);
  p.set(PathLight, {250, 232, 178});
  p.set(Path, {226, 194, 124});
  p.set(PathDark, {178, 136, 78});
  p.set(PathEdge, {120, 84, 48});
  p.set(Water, {57, 189, 255});
  p.set(GreenDark, {36, 120, 52});
  p.set(Green, {76, 170, 66});
  p.set(GreenLight, {150, 220, 100});
  p.set(GreenDeep, {22, 76, 40});
  p.set(Wood, {118, 70, 36});
  p.set(WoodLight, {170, 110, 58});
  p.set(WoodDark, {72, 42, 26});
  p.set(Stone, {100, 104, 122});
  p.set(StoneLight, {148, 152, 170});
  p.set(StoneBright, {200, 204, 216});
  p.set(StoneDark, {62, 64, 82});
  p.set(WaterDeep, {26, 104, 206});
  p.set(Foam, {160, 226, 255});
  p.set(Sparkle, {232, 250, 255});
  p.set(Sand, {242, 216, 134});
  p.set(SandMid, {216, 178, 98});
  p.set(SandDark, {178, 134, 70});
  p.set(Roof, {206, 52, 50});
  p.set(RoofDark, {128, 26, 42});
  p.set(RoofLight, {255, 126, 104});
  p.set(Slate, {74, 112, 210});
  p.set(SlateDark, {42, 60, 140});
  p.set(Ice, {214, 244, 255});
  p.set(IceMid, {150, 206, 244});
  p.set(IceDark, {86, 150, 210});
  p.set(Flame, {250, 76, 22});
  p.set(FlameMid, {255, 166, 34});
  p.set(FlameHi, {255, 240, 128});
  p.set(Ship, {255, 156, 57});
  p.set(Dusk, {66, 30, 88});
  p.set(DuskMid, {116, 52, 140});
  p.set(DuskLight, {178, 112, 204});
  p.set(Cream, {250, 236, 208});
  p.set(Pipe, {34, 150, 72});
  p.set(PipeLight, {104, 214, 118});
  p.set(PipeDark, {18, 88, 44});
  p.set(Pink, {255, 124, 182});
  p.set(PinkDark, {196, 62, 130});
  p.set(Bone, {234, 228, 202});
  p.set(BoneDark, {172, 162, 132});
  p.set(Foe, {126, 176, 92});
  p.set(FoeDark, {70, 112, 60});
  p.set(Dust, {238, 234, 222});
  p.set(DustMid, {198, 190, 172});
  p.set(DustDark, {150, 142, 126});
  p.set(Violet, {104, 64, 186});
  p.set(VioletLight, {170, 136, 240});
  p.set(Ship2, {206, 74, 8});
}

}  // namespace map

ArtLibrary buildMapLibrary() {
  ArtLibrary lib;
  map::setMapPalette(lib.palette);
  ImageSet set(kMapImageCount);
  const map::Put put = [&](int index, const char* name, Canvas image) { set.put(index, name, std::move(image)); };
  map::drawFigures(put);
  map::drawNodes(put);
  map::drawTerrain(put);
  lib.images = std::move(set).finish();
  return lib;
}

}  // namespace mapart
