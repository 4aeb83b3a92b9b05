// The figures of the world map: Tobbo in each player mode, the wandering
// brute, the intro stars, the dust ring and the card faces.
#include <string>
#include <string_view>

#include "content/mapart/map_art_parts.h"

namespace mapart::map {
namespace {

using ui::kInk;

// Tobbo's colours: cap, cap brim, skin, shade, shirt, shirt shade, white, boots.
struct Outfit {
  uint8_t cap, brim, shirt, shirtDark, emblem;
};
constexpr Outfit kNormal{ui::kBlue, ui::kBlueDark, ui::kRed, ui::kRedDark, ui::kWhite};
constexpr Outfit kFire{ui::kRed, ui::kRedDark, ui::kWhite, ui::kLightGrey, ui::kGold};

constexpr std::string_view kKeys = "bBsSrRwoke";

void drawWithOutline(Canvas& img, int x, int y, std::initializer_list<std::string_view> rows, const Outfit& o) {
  Canvas layer(img.width(), img.height());
  layer.pattern(x, y, rows, kKeys,
                {o.cap, o.brim, ui::kSkin, ui::kSkinDark, o.shirt, o.shirtDark, o.emblem, WoodDark, kInk, kInk});
  layer.outline(kInk);
  img.stamp(layer, 0, 0);
}

Canvas smallTobbo(bool step) {
  Canvas img(14, 16);
  if (!step)
    drawWithOutline(img, 1, 1,
                    {"...bbbbbb...", "..bbbwwbbbb.", ".bbbbwwbbbbb", "BBBBBBBBBBBB", ".ssssssssss.",
                     ".ssksssskss.", ".ssssssssss.", "..sssSSsss..", "...rrrrrr...", ".srrrwwrrrs.",
                     ".s.rrrrrr.s.", "...RRRRRR...", "...rr..rr...", "..ooo..ooo.."},
                    kNormal);
  else
    drawWithOutline(img, 1, 1,
                    {"...bbbbbb...", "..bbbwwbbbb.", ".bbbbwwbbbbb", "BBBBBBBBBBBB", ".ssssssssss.",
                     ".ssksssskss.", ".ssssssssss.", "..sssSSsss..", "s..rrrrrr..s", "srrrrwwrrrrs",
                     "...rrrrrr...", "...RRRRRR...", "..rr....rr..", ".ooo....ooo."},
                    kNormal);
  return img;
}

void bigBody(Canvas& img, int y, bool step, const Outfit& o) {
  if (!step)
    drawWithOutline(img, 1, y,
                    {"....bbbbbb....", "...bbbbwwbbb..", "..bbbbbwwbbbb.", ".BBBBBBBBBBBBB", "..ssssssssss..",
                     "..ssksssskss..", "..ssssssssss..", "...sssSSsss...", "....ssssss....", "...rrrrrrrr...",
                     "..rrrrwwrrrr..", ".srrrrrrrrrrs.", ".s.rrrrrrrr.s.", "...RRRRRRRR...", "...rrr..rrr...",
                     "...rrr..rrr...", "..oooo..oooo.."},
                    o);
  else
    drawWithOutline(img, 1, y,
                    {"....bbbbbb....", "...bbbbwwbbb..", "..bbbbbwwbbbb.", ".BBBBBBBBBBBBB", "..ssssssssss..",
                     "..ssksssskss..", "..ssssssssss..", "...sssSSsss...", "s...ssssss...s", "ss.rrrrrrrr.ss",
                     ".rrrrrwwrrrrr.", "...rrrrrrrr...", "...rrrrrrrr...", "...RRRRRRRR...", "..rrr....rrr..",
                     "..rrr....rrr..", ".oooo....oooo."},
                    o);
}

Canvas bigTobbo(bool step, const Outfit& o) {
  Canvas img(16, 19);
  bigBody(img, 1, step, o);
  return img;
}

// The flying Tobbo wears a cape that flutters behind him and a feather.
Canvas flyingTobbo(bool step) {
  Canvas img(16, 22);
  Canvas cape(16, 22);
  const uint8_t c = ui::kGold, d = ui::kGoldDark;
  cape.fillRect(2, 12, 12, 7, d);
  cape.fillRect(3, 12, 10, 6, c);
  if (step) {
    cape.fillRect(0, 14, 3, 4, c);
    cape.fillRect(13, 14, 3, 4, c);
  } else {
    cape.fillRect(1, 17, 3, 3, c);
    cape.fillRect(12, 17, 3, 3, c);
  }
  img.stamp(cape, 0, 0);
  bigBody(img, 4, step, kNormal);
  img.pattern(6, 0, {"..gg", ".gGg", "gGg.", "Gk.."}, "gGk", {c, d, kInk});
  return img;
}

// The wandering brute: a horned, grumpy creature swinging a mallet; drawn
// facing right and mirrored for the left.
Canvas brute(bool swing) {
  Canvas img(16, 16);
  Canvas layer(16, 16);
  const std::string_view keys = "fFhwkmMor";
  const std::initializer_list<uint8_t> cols = {Foe, FoeDark, Bone, ui::kWhite, kInk, StoneLight, Stone, Wood, ui::kRed};
  layer.pattern(1, 3, {"h......h..", "hffffffh..", ".ffffffff.", ".ffwkfwkf.", ".ffffffff.", ".fFrrrrFf.",
                       "..ffffff..", ".FFFFFFFF.", ".FffffffF.", "..FF..FF..", ".kkk..kkk."},
                keys, cols);
  if (swing)
    layer.pattern(9, 1, {"..MMM", "..mmM", "..mmM", "..oo.", ".oo..", "oo..."}, keys, cols);
  else
    layer.pattern(9, 6, {"o....", ".o...", "..oMM", "..mmM", "..mmM"}, keys, cols);
  layer.outline(kInk);
  img.stamp(layer, 0, 0);
  return img;
}

Canvas star(bool bright) {
  Canvas img(9, 9);
  const uint8_t c = bright ? ui::kWhite : ui::kGold;
  const uint8_t rim = bright ? ui::kGold : ui::kGoldDark;
  img.pattern(0, 0, {"....a....", "....a....", "...aba...", "aaabbbaaa", ".aabbbaa.", "..abbba..", "..aa.aa..",
                     ".aa...aa.", "........."},
              "ab", {rim, c});
  return img;
}

// A puff that grows and thins out.
Canvas dust(int stage) {
  Canvas img(16, 16);
  struct Puff {
    int x, y, r;
  };
  const Puff puffs[4][4] = {{{6, 6, 4}, {9, 8, 3}, {5, 9, 3}, {8, 5, 2}},
                            {{4, 5, 4}, {10, 6, 4}, {6, 10, 4}, {11, 11, 3}},
                            {{2, 3, 4}, {12, 4, 3}, {3, 12, 3}, {12, 12, 3}},
                            {{1, 1, 2}, {14, 2, 2}, {2, 14, 2}, {14, 14, 2}}};
  for (const Puff& p : puffs[stage]) {
    img.fillEllipse(p.x - p.r, p.y - p.r, 2 * p.r, 2 * p.r, stage < 2 ? DustMid : DustDark);
    img.fillEllipse(p.x - p.r, p.y - p.r, 2 * p.r - 1, 2 * p.r - 1, Dust);
  }
  return img;
}

// The three card faces, as the status bar shows them for the cards taken
// at the ends of levels: a heart, a moon and a star.
Canvas card(int face) {
  Canvas img(22, 24);
  img.fillRect(1, 0, 20, 24, kInk);
  img.fillRect(0, 1, 22, 22, kInk);
  img.fillRect(1, 1, 20, 22, ui::kGold);
  img.fillRect(2, 2, 18, 20, ui::kWhite);
  switch (face) {
    case 0:
      img.pattern(4, 6, {".rr..rr.", "rrrrrrrr", "rrwrrrrr", "rrrrrrrr", ".rrrrrr.", "..rrrr..", "...rr..."},
                  "rw", {ui::kRed, ui::kWhite});
      break;
    case 1:
      img.fillEllipse(5, 5, 12, 14, ui::kBlueDark);
      img.fillEllipse(9, 4, 11, 13, ui::kWhite);
      break;
    default: {
      Canvas s = star(false);
      img.stamp(s, 7, 8);
      img.fillRect(10, 10, 3, 3, ui::kGold);
    }
  }
  return img;
}

}  // namespace

void drawFigures(const Put& put) {
  put(0, "PlayerS1", smallTobbo(false));
  put(1, "PlayerS2", smallTobbo(true));
  put(2, "PlayerL1", bigTobbo(false, kNormal));
  put(3, "PlayerL2", bigTobbo(true, kNormal));
  put(4, "PlayerW1", flyingTobbo(false));
  put(5, "PlayerW2", flyingTobbo(true));
  put(133, "PlayerF1", bigTobbo(false, kFire));
  put(134, "PlayerF2", bigTobbo(true, kFire));
  put(135, "HammerR1", brute(false));
  put(136, "HammerR2", brute(true));
  put(137, "HammerL1", brute(false).mirrored());
  put(138, "HammerL2", brute(true).mirrored());
  put(50, "Stars1", star(false));
  put(51, "Stars2", star(true));
  for (int i = 0; i < 4; ++i) put(99 + i, ("Dust" + std::to_string(i + 1)).c_str(), dust(i));
  put(59, "Card1", card(0));
  put(60, "Card2", card(1));
  put(61, "Card3", card(2));
}

}  // namespace mapart::map
