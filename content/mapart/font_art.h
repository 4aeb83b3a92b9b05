#pragma once
// The bitmap font library: glyph i is the picture the game draws for
// character index i ('0'-'9' 0-9, 'A'-'Z' 10-35, then 36 '!', 37 the whole
// word "PAUSA", 38 '>', 39 '^', 40 '_', 41 '`').
#include "content/mapart/toolkit.h"

namespace mapart {

inline constexpr int kFontGlyphCount = 42;
inline constexpr int kPauseGlyph = 37;
inline constexpr int kGlyphCell = 8;  // the game advances 8 pixels per character

ArtLibrary buildFontLibrary();

}  // namespace mapart
