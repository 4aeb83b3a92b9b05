#include "content/icons/icon_palette.h"

#include <stdexcept>
#include <string>

namespace icons {

namespace {

pixelart::Palette buildPalette() {
  // Same order as kColourLetters.
  const pixelart::Rgb colours[] = {
      {0, 0, 0},        // k ink
      {255, 255, 255},  // w white
      {192, 192, 192},  // s silver
      {128, 128, 128},  // g grey
      {64, 64, 64},     // G dark grey
      {255, 216, 56},   // y yellow
      {184, 128, 8},    // Y ochre
      {56, 104, 216},   // b blue
      {0, 32, 128},     // B navy
      {144, 200, 255},  // c sky
      {224, 40, 32},    // r red
      {128, 0, 0},      // R dark red
      {48, 176, 56},    // e green
      {0, 104, 24},     // E dark green
      {160, 88, 32},    // o brown
      {96, 48, 16},     // O dark brown
      {248, 184, 136},  // u skin
  };
  static_assert(std::size(colours) == kColourLetters.size());
  pixelart::Palette palette;
  for (size_t i = 0; i < std::size(colours); ++i) palette.set(int(i) + 1, colours[i]);
  return palette;
}

}  // namespace

Index ink(char letter) {
  const size_t at = kColourLetters.find(letter);
  if (at == std::string_view::npos) throw std::invalid_argument(std::string("no colour letter '") + letter + "'");
  return Index(at + 1);
}

const pixelart::Palette& iconPalette() {
  static const pixelart::Palette palette = buildPalette();
  return palette;
}

Canvas art(std::initializer_list<std::string_view> rows) {
  if (rows.size() == 0 || rows.begin()->empty()) throw std::invalid_argument("empty picture");
  const int width = int(rows.begin()->size());
  Canvas out(width, int(rows.size()));
  int y = 0;
  for (std::string_view row : rows) {
    if (int(row.size()) != width) throw std::invalid_argument("ragged picture row " + std::to_string(y));
    for (int x = 0; x < width; ++x)
      if (row[size_t(x)] != '.') out.set(x, y, ink(row[size_t(x)]));
    ++y;
  }
  return out;
}

}  // namespace icons
