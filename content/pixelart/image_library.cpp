#include "content/pixelart/image_library.h"

#include <sstream>
#include <stdexcept>

#include "platform/core/ini_file.h"

namespace pixelart {

void ImageSet::put(int index, const std::string& name, Canvas pixels) {
  if (index < 0 || index >= count())
    throw std::logic_error("image index " + std::to_string(index) + " out of range");
  if (images_[index])
    throw std::logic_error("image " + std::to_string(index) + " drawn twice (" + name + ")");
  images_[index] = NamedImage{name.substr(0, kMaxImageName), std::move(pixels)};
}

const Canvas& ImageSet::at(int index) const {
  if (!has(index)) throw std::logic_error("image " + std::to_string(index) + " not drawn yet");
  return images_[index]->pixels;
}

std::vector<int> ImageSet::missing() const {
  std::vector<int> out;
  for (int i = 0; i < count(); ++i)
    if (!images_[i]) out.push_back(i);
  return out;
}

std::vector<NamedImage> ImageSet::finish() && {
  if (const auto gaps = missing(); !gaps.empty())
    throw std::logic_error("image " + std::to_string(gaps.front()) + " was never drawn");
  std::vector<NamedImage> out;
  out.reserve(images_.size());
  for (auto& img : images_) out.push_back(std::move(*img));
  return out;
}

void ArtLibrary::add(const std::string& name, Canvas image) {
  images.push_back({name.substr(0, kMaxImageName), std::move(image)});
}

TGKImages toImages(const Palette& palette, const std::vector<NamedImage>& images) {
  TGKImages out;
  for (int i = 0; i < Palette::kSize; ++i) {
    const PaletteEntry& e = palette[i];
    out.Palette[static_cast<size_t>(i)] = {e.rgb.r, e.rgb.g, e.rgb.b, static_cast<uint8_t>(e.used ? 1 : 0)};
  }
  for (const NamedImage& image : images)
    out.AddImage(image.pixels.width(), image.pixels.height(), image.name, image.pixels.pixels());
  return out;
}

void writeImageLibrary(const std::filesystem::path& path, const TGKImages& lib) {
  std::ostringstream bytes;
  lib.WriteToStream(bytes);
  platform::writeFileAtomically(path, bytes.str());
}

}  // namespace pixelart
