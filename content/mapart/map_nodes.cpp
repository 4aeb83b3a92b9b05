// The nodes of the world map: numbered level plates, houses, castles, the
// lock, special levels and the markers that won nodes turn into.
#include <string>

#include "content/mapart/map_art_parts.h"
#include "content/mapart/text_art.h"

namespace mapart::map {
namespace {

using ui::kInk;

void digit(Canvas& img, char d, int x, int y, uint8_t colour) {
  if (const GlyphShape* s = glyphShape(d)) drawShape(img, *s, x, y, 1, [colour](int, int) { return colour; });
}

// Style a: a round stone plate; style b: a square wooden panel. `squeeze`
// narrows the plate for the flip of a freshly won node (0 none .. 3 edge-on).
Canvas plate(bool round, int squeeze = 0) {
  Canvas img = cell();
  const int inset = squeeze * 2;
  const int w = 16 - 2 * inset;
  if (round) {
    img.fillEllipse(inset, 1, w, 15, kInk);
    img.fillEllipse(inset + 1, 2, w - 2, 13, StoneDark);
    img.fillEllipse(inset + 1, 1, w - 2, 13, StoneLight);
    img.fillEllipse(inset + 2, 2, w - 4, 11, StoneBright);
  } else {
    img.fillRect(inset, 1, w, 15, kInk);
    img.fillRect(inset + 1, 2, w - 2, 13, WoodDark);
    img.fillRect(inset + 1, 2, w - 2, 12, WoodLight);
    img.fillRect(inset + 2, 3, w - 4, 10, Wood);
    img.set(inset + 2, 3, WoodLight);
    img.set(inset + w - 3, 3, WoodLight);
  }
  return img;
}

Canvas levelNode(int number, bool round) {
  Canvas img = plate(round);
  const char d = char('0' + number);
  const uint8_t colour = round ? ui::kBlueDark : ui::kTextHi;
  digit(img, d, 6, round ? 4 : 5, round ? ui::kWhite : kInk);
  digit(img, d, 5, round ? 3 : 4, colour);
  return img;
}

Canvas startNode() {
  Canvas img = cell();
  img.fillEllipse(0, 2, 16, 14, kInk);
  img.fillEllipse(1, 3, 14, 12, ui::kRedDark);
  img.fillEllipse(1, 2, 14, 12, ui::kRed);
  img.fillEllipse(4, 4, 8, 8, ui::kWhite);
  img.fillEllipse(6, 6, 4, 4, ui::kRed);
  return img;
}

// A won plate: style a shows a tick, style b a little flag.
Canvas wonMarker(bool round) {
  Canvas img = plate(round);
  if (round)
    img.pattern(3, 4, {".........gg", "........ggk", ".gg....ggk.", ".kgg..ggk..", "..kggggk...", "...kggk....",
                       "....kk....."},
                "gk", {GreenLight, GreenDeep});
  else
    img.pattern(4, 3, {"kRRRRR..", "kRRwRRR.", "kRRRRR..", "k.......", "k.......", "k.......", "kk......",
                       "kk......"},
                "kRw", {kInk, ui::kRed, ui::kWhite});
  return img;
}

Canvas sparkleOver(Canvas img) {
  img.pattern(0, 0, {".....w..........", "....www.........", ".....w.........."}, "w", {ui::kWhite});
  img.pattern(11, 10, {".w.", "www", ".w."}, "w", {ui::kWhite});
  return img;
}

Canvas house(uint8_t roof, uint8_t roofDark, bool spots) {
  Canvas img = cell();
  img.fillRect(3, 8, 10, 7, kInk);
  img.fillRect(4, 8, 8, 6, Cream);
  img.fillRect(7, 10, 3, 4, Wood);
  img.fillEllipse(0, 1, 16, 10, kInk);
  img.fillEllipse(1, 2, 14, 8, roofDark);
  img.fillEllipse(1, 1, 14, 8, roof);
  if (spots) {
    img.fillRect(4, 3, 2, 2, ui::kWhite);
    img.fillRect(9, 2, 3, 2, ui::kWhite);
    img.fillRect(11, 6, 2, 1, ui::kWhite);
  }
  return img;
}

Canvas gameNode() {
  Canvas img = cell();
  img.fillRect(1, 1, 14, 14, kInk);
  img.fillRect(2, 2, 12, 12, ui::kWhite);
  img.fillRect(2, 12, 12, 2, ui::kLightGrey);
  for (auto [x, y] : {std::pair{4, 4}, {10, 4}, {7, 7}, {4, 10}, {10, 10}}) img.fillRect(x, y, 2, 2, ui::kRed);
  return img;
}

Canvas fort(bool won) {
  Canvas img = cell();
  img.fillRect(1, 5, 14, 11, kInk);
  img.fillRect(2, 6, 12, 9, StoneLight);
  for (int x = 1; x < 15; x += 4) {
    img.fillRect(x, 3, 3, 3, kInk);
    img.fillRect(x + 1, 4, 1, 2, StoneLight);
  }
  img.hline(2, 13, 10, Stone);
  img.fillRect(6, 10, 4, 5, kInk);
  img.fillRect(7, 11, 2, 4, WoodDark);
  if (won) {
    img.vline(12, 0, 5, kInk);
    img.fillRect(8, 0, 4, 3, ui::kBlue);
    img.set(9, 1, ui::kWhite);
    img.set(3, 8, StoneDark);
    img.set(4, 13, StoneDark);
    img.set(12, 12, StoneDark);
  } else {
    img.vline(8, 0, 4, kInk);
    img.fillRect(4, 0, 4, 3, ui::kRed);
  }
  return img;
}

Canvas pipeNode() {
  Canvas img = cell();
  img.fillRect(2, 7, 12, 9, kInk);
  img.fillRect(3, 7, 10, 8, Pipe);
  img.fillRect(4, 7, 2, 8, PipeLight);
  img.fillRect(0, 2, 16, 6, kInk);
  img.fillRect(1, 3, 14, 4, Pipe);
  img.fillRect(2, 3, 3, 4, PipeLight);
  img.hline(1, 14, 3, PipeDark);
  img.hline(3, 12, 3, kInk);
  return img;
}

// A quicksand whirl: four turns of the spiral.
Canvas quicksand(int turn) {
  Canvas img = cell();
  img.fillEllipse(0, 2, 16, 14, SandDark);
  img.fillEllipse(1, 3, 14, 12, Sand);
  static const int arms[4][8] = {{4, 5, 8, 4, 11, 7, 10, 11}, {11, 5, 12, 9, 9, 12, 5, 11},
                                 {12, 11, 8, 13, 4, 10, 5, 6}, {4, 12, 3, 8, 6, 4, 10, 5}};
  const int* a = arms[turn];
  for (int d = 0; d < 2; ++d) {
    img.line(a[0] + d, a[1], a[2] + d, a[3], SandDark);
    img.line(a[2] + d, a[3], a[4] + d, a[5], SandDark);
    img.line(a[4] + d, a[5], a[6] + d, a[7], SandMid);
  }
  img.fillRect(7, 8, 3, 3, WoodDark);
  return img;
}

Canvas tower() {
  Canvas img = cell();
  img.fillRect(4, 4, 8, 12, kInk);
  img.fillRect(5, 5, 6, 10, StoneLight);
  img.vline(5, 5, 14, StoneBright);
  img.fillRect(7, 7, 2, 3, kInk);
  img.fillRect(7, 11, 2, 4, WoodDark);
  img.fillPolygon({{3, 5}, {8, 0}, {13, 5}}, kInk, PolygonSpans::Closed);
  img.fillPolygon({{4, 5}, {8, 1}, {12, 5}}, Slate, PolygonSpans::Closed);
  return img;
}

Canvas lockNode() {
  Canvas img = cell();
  img.fillRect(3, 1, 10, 9, kInk);
  img.fillRect(5, 3, 6, 7, 0);
  img.fillRect(4, 2, 8, 1, StoneLight);
  img.vline(4, 2, 8, StoneLight);
  img.vline(11, 2, 8, StoneLight);
  img.fillRect(1, 7, 14, 9, kInk);
  img.fillRect(2, 8, 12, 7, ui::kGold);
  img.hline(2, 13, 8, ui::kTextHi);
  img.fillRect(2, 13, 12, 2, ui::kGoldDark);
  img.fillRect(7, 10, 2, 3, kInk);
  return img;
}

// The big castle stands half a cell lower than its cell, so it is taller.
Canvas bigCastle() {
  Canvas img(16, 24);
  img.fillRect(0, 8, 16, 16, kInk);
  img.fillRect(1, 9, 14, 14, StoneLight);
  img.fillRect(0, 2, 5, 9, kInk);
  img.fillRect(11, 2, 5, 9, kInk);
  img.fillRect(1, 3, 3, 8, StoneLight);
  img.fillRect(12, 3, 3, 8, StoneLight);
  img.fillPolygon({{0, 3}, {2, -1}, {5, 3}}, RoofDark, PolygonSpans::Closed);
  img.fillPolygon({{11, 3}, {13, -1}, {16, 3}}, RoofDark, PolygonSpans::Closed);
  img.fillRect(5, 6, 6, 4, kInk);
  img.fillRect(6, 7, 4, 3, Stone);
  for (int y = 13; y < 23; y += 4) img.hline(1, 14, y, Stone);
  img.fillRect(5, 15, 6, 8, kInk);
  img.fillRect(6, 16, 4, 7, WoodDark);
  img.fillRect(2, 12, 2, 3, kInk);
  img.fillRect(12, 12, 2, 3, kInk);
  return img;
}

Canvas pyramid() {
  Canvas img = cell();
  img.fillPolygon({{0, 16}, {8, 1}, {16, 16}}, kInk, PolygonSpans::Closed);
  img.fillPolygon({{2, 15}, {8, 3}, {8, 15}}, Sand, PolygonSpans::Closed);
  img.fillPolygon({{8, 3}, {14, 15}, {8, 15}}, SandMid, PolygonSpans::Closed);
  for (int y = 6; y < 15; y += 3) img.hline(3, 13, y, SandDark);
  img.fillRect(7, 11, 3, 4, kInk);
  return img;
}

Canvas helpSign() {
  Canvas img(16, 11);
  img.fillRect(1, 0, 14, 9, kInk);
  img.fillRect(0, 1, 16, 7, kInk);
  img.fillRect(1, 1, 14, 7, ui::kWhite);
  img.fillPolygon({{3, 8}, {7, 8}, {2, 11}}, kInk, PolygonSpans::Closed);
  img.pattern(3, 2, {"r..r..r..r", "r..r..r..r", "r..r..r..r", "..........", "r..r..r..r"}, "r",
              {ui::kRed});
  return img;
}

Canvas emptyMarker() {
  Canvas img = cell();
  img.fillEllipse(1, 4, 14, 11, kInk);
  img.fillEllipse(2, 5, 12, 9, StoneDark);
  img.fillEllipse(2, 4, 12, 9, Stone);
  img.pattern(5, 6, {"..y..", ".yyy.", "yyyyy", ".y.y."}, "y", {ui::kGold});
  return img;
}

// A special level: an hourglass whose sand runs and turns over.
Canvas hourglass(int phase) {
  Canvas img = cell();
  img.fillRect(2, 0, 12, 2, WoodDark);
  img.fillRect(2, 14, 12, 2, WoodDark);
  img.fillPolygon({{3, 2}, {13, 2}, {9, 8}, {13, 14}, {3, 14}, {7, 8}}, kInk, PolygonSpans::Closed);
  img.fillPolygon({{4, 3}, {12, 3}, {8, 8}, {12, 13}, {4, 13}, {8, 8}}, IceMid, PolygonSpans::Closed);
  const int top = 3 + phase, bottom = 4 - phase;
  for (int i = 0; i < top; ++i) img.hline(8 - (5 - i) + 1, 8 + (5 - i) - 1, 3 + 5 - top + i + 0, Sand);
  for (int i = 0; i < bottom + 1; ++i) img.hline(4 + i, 12 - i, 13 - i, Sand);
  img.vline(8, 8, 12, Sand);
  if (phase == 3) img.fillRect(1, 7, 14, 2, ui::kGold);
  return img;
}

Canvas tank(bool up) {
  Canvas img = cell();
  img.fillRect(1, 10, 14, 5, kInk);
  img.fillRect(2, 11, 12, 3, StoneDark);
  for (int x = 3; x < 14; x += 3) img.fillRect(x, 12, 2, 2, up ? Stone : StoneLight);
  img.fillRect(2, 5, 12, 6, kInk);
  img.fillRect(3, 6, 10, 4, Ship2);
  img.hline(3, 12, 6, Ship);
  img.fillRect(6, 3, 5, 3, kInk);
  img.fillRect(10, up ? 2 : 3, 6, 2, kInk);
  return img;
}

Canvas ship(bool up) {
  Canvas img = cell();
  const int dy = up ? 0 : 1;
  img.vline(7, 0 + dy, 9 + dy, kInk);
  img.fillPolygon({{8, 1 + dy}, {14, 8 + dy}, {8, 8 + dy}}, ui::kWhite, PolygonSpans::Closed);
  img.fillPolygon({{0, 9 + dy}, {16, 9 + dy}, {13, 15}, {3, 15}}, kInk, PolygonSpans::Closed);
  img.fillPolygon({{1, 10 + dy}, {15, 10 + dy}, {12, 14}, {4, 14}}, Ship, PolygonSpans::Closed);
  img.hline(3, 12, 13, Ship2);
  img.hline(2, 13, 10 + dy, ui::kTextHi);
  return img;
}

Canvas table(bool glow) {
  Canvas img = cell();
  img.fillEllipse(0, 5, 16, 7, kInk);
  img.fillEllipse(1, 6, 14, 5, WoodLight);
  img.fillRect(3, 10, 2, 6, WoodDark);
  img.fillRect(11, 10, 2, 6, WoodDark);
  img.fillRect(5, 3, 6, 5, kInk);
  img.fillRect(6, 4, 4, 3, glow ? ui::kGold : ui::kGoldDark);
  if (glow) img.pattern(3, 0, {"w........w", "..........", ".w......w."}, "w", {ui::kWhite});
  return img;
}

// The last fortress: a dark keep with glowing windows.
Canvas darkKeep() {
  Canvas img = cell();
  img.fillRect(1, 4, 14, 12, kInk);
  img.fillRect(2, 5, 12, 10, Dusk);
  img.fillPolygon({{0, 5}, {3, 0}, {6, 5}}, kInk, PolygonSpans::Closed);
  img.fillPolygon({{10, 5}, {13, 0}, {16, 5}}, kInk, PolygonSpans::Closed);
  img.fillPolygon({{5, 5}, {8, 1}, {11, 5}}, DuskMid, PolygonSpans::Closed);
  img.fillRect(4, 7, 2, 2, FlameMid);
  img.fillRect(10, 7, 2, 2, FlameMid);
  img.fillRect(6, 10, 4, 5, kInk);
  img.fillRect(7, 11, 2, 4, Flame);
  return img;
}

}  // namespace

void drawNodes(const Put& put) {
  put(6, "Start", startNode());
  for (int n = 1; n <= 9; ++n) {
    put(5 + 2 * n, ("Level" + std::to_string(n) + "a").c_str(), levelNode(n, true));
    put(6 + 2 * n, ("Level" + std::to_string(n) + "b").c_str(), levelNode(n, false));
  }
  put(31, "Mush", house(ui::kRed, ui::kRedDark, true));
  put(32, "Game", gameNode());
  put(33, "Castle1", fort(false));
  put(34, "Pipe", pipeNode());
  for (int i = 0; i < 4; ++i) put(35 + i, ("Sand" + std::to_string(i + 1)).c_str(), quicksand(i));
  put(39, "Tower", tower());
  put(52, "Lock", lockNode());
  put(54, "Castle2", bigCastle());
  put(55, "Piramid", pyramid());
  put(62, "Help", helpSign());
  put(93, "M1", wonMarker(true));
  put(94, "M2", wonMarker(false));
  put(95, "M3a", sparkleOver(plate(true, 1)));
  put(96, "M3b", plate(true, 2));
  put(97, "M3c", plate(true, 3));
  put(98, "Castle3", fort(true));
  put(122, "M4", emptyMarker());
  put(123, "M5a", sparkleOver(plate(false, 1)));
  put(124, "M5b", plate(false, 2));
  put(125, "M5c", plate(false, 3));
  for (int i = 0; i < 4; ++i) put(126 + i, ("TLevel" + std::to_string(i + 1)).c_str(), hourglass(i));
  put(130, "Mush2", house(Pipe, PipeDark, true));
  put(153, "Tank1", tank(false));
  put(154, "Tank2", tank(true));
  put(155, "Ship1", ship(false));
  put(156, "Ship2", ship(true));
  put(157, "Table1", table(false));
  put(158, "Table2", table(true));
  put(159, "Dravok", darkKeep());
}

}  // namespace mapart::map
