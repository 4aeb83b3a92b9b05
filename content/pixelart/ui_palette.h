#pragma once
// The colours every library of the bundled game keeps at the same palette
// entries. At 8 bits per pixel the font glyphs are copied into the screen
// unchanged and the status-bar picture is matched to the nearest entry of
// whatever library is on show, so these entries must mean the same colour in
// the title, map, font and level libraries. Entries 1-9 and 246-255 are free
// of the ranges the game rewrites (backgrounds, water, ships, rain, title
// pictures).
#include "content/pixelart/palette.h"

namespace pixelart::ui {

inline constexpr int kInk = 1;         // outlines and text shadow
inline constexpr int kWhite = 2;       // (255, 255, 255): run meter, intro card
inline constexpr int kTextHi = 3;      // font body, top
inline constexpr int kTextMid = 4;     // font body, middle
inline constexpr int kTextLow = 5;     // font body, bottom
inline constexpr int kPanelDark = 6;   // status bar
inline constexpr int kPanel = 7;
inline constexpr int kPanelLight = 8;
inline constexpr int kGrey = 9;
inline constexpr int kFontKey = 10;    // (240, 244, 248): the font's transparent colour
inline constexpr int kRed = 246;
inline constexpr int kRedDark = 247;
inline constexpr int kGold = 248;
inline constexpr int kGoldDark = 249;
inline constexpr int kSkin = 250;
inline constexpr int kSkinDark = 251;
inline constexpr int kBlue = 252;
inline constexpr int kBlueDark = 253;
inline constexpr int kLightGrey = 254;
inline constexpr int kPanelEdge = 255;

constexpr bool isSharedEntry(int index) {
  return (index >= kInk && index <= kGrey) || (index >= kRed && index <= kPanelEdge);
}

// Writes the shared entries (1-9 and 246-255), which every library keeps.
void addSharedColours(Palette& palette);
// The shared entries and the font's key colour at 10: the entries the title,
// map and font libraries have in common. The level library draws with 10.
void addUiColours(Palette& palette);

}  // namespace pixelart::ui
