#pragma once
// An image library being drawn: a 256-entry palette and named 8-bit images.
#include <array>
#include <string>
#include <vector>

#include "content/mapart/pixels.h"

namespace mapart {

struct PaletteEntry {
  Rgb rgb;
  bool used = false;
};

class Palette {
 public:
  Palette();  // entry 0 is the transparent colour, pure black
  void set(int index, Rgb rgb);
  const PaletteEntry& operator[](int index) const { return entries_.at(size_t(index)); }
  // Fills `count` entries from `first` with a ramp from a to b (both ends included).
  void ramp(int first, int count, Rgb a, Rgb b);

 private:
  std::array<PaletteEntry, 256> entries_{};
};

struct NamedImage {
  std::string name;  // at most 11 characters: the library's name field
  Image8 image;
};

struct ArtLibrary {
  Palette palette;
  std::vector<NamedImage> images;
  void add(std::string name, Image8 image);
};

}  // namespace mapart
