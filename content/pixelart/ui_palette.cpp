#include "content/pixelart/ui_palette.h"

namespace pixelart::ui {

void addSharedColours(Palette& p) {
  p.set(kInk, {24, 20, 44});
  p.set(kWhite, {255, 255, 255});
  p.set(kTextHi, {255, 246, 190});
  p.set(kTextMid, {255, 206, 70});
  p.set(kTextLow, {236, 132, 30});
  p.set(kPanelDark, {30, 42, 86});
  p.set(kPanel, {58, 82, 150});
  p.set(kPanelLight, {120, 150, 214});
  p.set(kGrey, {128, 130, 144});
  p.set(kRed, {220, 44, 40});
  p.set(kRedDark, {136, 20, 30});
  p.set(kGold, {250, 204, 44});
  p.set(kGoldDark, {176, 112, 16});
  p.set(kSkin, {252, 196, 150});
  p.set(kSkinDark, {200, 124, 84});
  p.set(kBlue, {60, 140, 236});
  p.set(kBlueDark, {28, 64, 150});
  p.set(kLightGrey, {204, 208, 220});
  p.set(kPanelEdge, {170, 196, 240});
}

void addUiColours(Palette& p) {
  addSharedColours(p);
  p.set(kFontKey, {240, 244, 248});
}

}  // namespace pixelart::ui
