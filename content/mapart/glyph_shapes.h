#pragma once
// The shapes of the bitmap font: 7 rows of up to 7 columns, '#' set. Shared
// by the font library and by every picture that writes text with it.
#include <array>
#include <string_view>

namespace mapart {

inline constexpr int kGlyphRows = 7;
using GlyphShape = std::array<std::string_view, kGlyphRows>;

// The shape of a character: digits, capitals and the signs ! > ^ _ ` and '.',
// or nullptr for a character the font does not draw.
const GlyphShape* glyphShape(char c);

// Width in columns of a shape (6, or 7 for M and W).
int glyphWidth(const GlyphShape& shape);

}  // namespace mapart
