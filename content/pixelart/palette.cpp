#include "content/pixelart/palette.h"

namespace pixelart {

void Palette::set(int index, Rgb rgb) { entries_.at(static_cast<size_t>(index)) = {rgb, true}; }

void Palette::ramp(int first, int count, Rgb a, Rgb b) {
  for (int i = 0; i < count; ++i) set(first + i, mix(a, b, count > 1 ? double(i) / (count - 1) : 0.0));
}

}  // namespace pixelart
