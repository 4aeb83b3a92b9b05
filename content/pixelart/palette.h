#pragma once
// The 256-entry palette of an image library being drawn. An entry that was
// never set is black and marked unused in the file.
#include <array>

#include "content/pixelart/rgb_image.h"

namespace pixelart {

struct PaletteEntry {
  Rgb rgb;
  bool used = false;
};

class Palette {
 public:
  static constexpr int kSize = 256;
  // Throw std::out_of_range for an index outside 0..255.
  void set(int index, Rgb rgb);
  const PaletteEntry& operator[](int index) const { return entries_.at(static_cast<size_t>(index)); }
  // Fills `count` entries from `first` with a ramp from a to b (both ends included).
  void ramp(int first, int count, Rgb a, Rgb b);

 private:
  std::array<PaletteEntry, kSize> entries_{};
};

}  // namespace pixelart
