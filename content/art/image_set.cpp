#include "content/art/image_set.h"

#include <stdexcept>

namespace art {

void ImageSet::put(int index, const std::string& name, Canvas pixels) {
  if (index < 0 || index >= count())
    throw std::logic_error("image index " + std::to_string(index) + " out of range");
  if (images_[index])
    throw std::logic_error("image " + std::to_string(index) + " drawn twice (" + name + ")");
  images_[index] = NamedImage{name.substr(0, 11), std::move(pixels)};
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

}  // namespace art
