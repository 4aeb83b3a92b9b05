#include "content/mapart/font_art.h"

#include <string>

#include "content/mapart/text_art.h"
#include "content/mapart/toolkit.h"

namespace mapart {
namespace {

// Glyph pixels that are not part of the character hold the font's key colour,
// which the game makes transparent at every display depth.
Canvas glyphImage(char c) {
  Canvas img(kGlyphCell, kGlyphCell);
  if (const GlyphShape* shape = glyphShape(c)) drawShape(img, *shape, 0, 0, 1, fontShading());
  img.dropShadow(ui::kInk);
  img.replace(0, ui::kFontKey);
  return img;
}

// The pause badge: the word on a dark rounded plate, centred on the screen
// where the game draws it.
Canvas pauseImage() {
  constexpr int w = 68, h = 17;
  Canvas img(w, h);
  img.fillRect(2, 0, w - 4, h, ui::kInk);
  img.fillRect(0, 2, w, h - 4, ui::kInk);
  img.fillRect(1, 1, w - 2, h - 2, ui::kInk);
  img.fillRect(2, 2, w - 4, h - 4, ui::kPanelLight);
  img.fillRect(3, 3, w - 6, h - 6, ui::kPanelDark);
  img.hline(3, w - 4, 3, ui::kPanel);
  Canvas word(w, h);
  const std::string text = "PAUSA";
  drawText(word, (w - textWidth(text, 1, 8)) / 2, 5, text, 1, 8, fontShading());
  word.dropShadow(ui::kInk);
  img.stamp(word, 0, 0);
  img.replace(0, ui::kFontKey);
  return img;
}

}  // namespace

ArtLibrary buildFontLibrary() {
  ArtLibrary lib;
  ui::addUiColours(lib.palette);
  const std::string order = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ!";
  for (char c : order) lib.add(std::string(1, c), glyphImage(c));
  lib.add("PAUSA", pauseImage());
  for (char c : std::string(">^_`")) lib.add(std::string(1, c), glyphImage(c));
  return lib;
}

}  // namespace mapart
