#pragma once
// The colours the editor's glyphs and icons are drawn with, one letter each, so
// that small pictures can be written out as rows of letters.
#include <initializer_list>
#include <string_view>

#include "content/pixelart/canvas.h"
#include "content/pixelart/palette.h"

namespace icons {

using pixelart::Canvas;
using pixelart::Index;

// Letters of the colours, in palette order from entry 1 ('.' is transparent).
inline constexpr std::string_view kColourLetters = "kwsgGyYbBcrReEoOu";

// The palette entry of a colour letter; throws std::invalid_argument for a
// letter that names no colour.
Index ink(char letter);

// The palette behind the letters; entry 0 (transparent) is left unused.
const pixelart::Palette& iconPalette();

// A picture from rows of letters, all rows as wide as the first; throws
// std::invalid_argument for ragged rows or unknown letters.
Canvas art(std::initializer_list<std::string_view> rows);

}  // namespace icons
