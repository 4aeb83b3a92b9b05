#include "content/mapart/art_library.h"

#include <stdexcept>

namespace mapart {

Palette::Palette() { entries_[0] = {Rgb{0, 0, 0}, true}; }

void Palette::set(int index, Rgb rgb) { entries_.at(size_t(index)) = {rgb, true}; }

void Palette::ramp(int first, int count, Rgb a, Rgb b) {
  for (int i = 0; i < count; ++i) set(first + i, mix(a, b, count > 1 ? double(i) / (count - 1) : 0.0));
}

void ArtLibrary::add(std::string name, Image8 image) {
  if (name.size() > 11) throw std::invalid_argument("image name longer than 11 characters: " + name);
  images.push_back({std::move(name), std::move(image)});
}

}  // namespace mapart
