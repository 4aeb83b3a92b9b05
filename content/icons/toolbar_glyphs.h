#pragma once
// The 16x16 glyphs of the editor's toolbar buttons. Each is written as an 8-bit
// BMP whose bottom-left pixel, like every pixel left empty, is the key colour
// the toolbar button takes as transparent.
#include <string>
#include <vector>

#include "content/icons/icon_palette.h"
#include "platform/core/bitmap.h"

namespace icons {

inline constexpr int kGlyphSize = 16;
inline constexpr platform::Rgb kGlyphKey{255, 0, 255};

struct NamedGlyph {
  std::string name;  // file name without extension, e.g. "save_all"
  Canvas picture;    // kGlyphSize square, index 0 empty
};

// Every toolbar glyph of the editor, drawn afresh.
std::vector<NamedGlyph> buildToolbarGlyphs();

// The picture as an 8-bit bitmap with the empty pixels in kGlyphKey.
platform::Bitmap glyphBitmap(const Canvas& picture);

}  // namespace icons
