#pragma once
// The images of one library under construction, by index, each with the short
// name the editor lists it by.
#include <optional>
#include <string>
#include <vector>

#include "content/art/canvas.h"

namespace art {

struct NamedImage {
  std::string name;  // at most 11 characters (the library's name field)
  Canvas pixels;
};

class ImageSet {
 public:
  explicit ImageSet(int count) : images_(static_cast<size_t>(count)) {}
  int count() const { return static_cast<int>(images_.size()); }
  // Throws std::logic_error for an index out of range or already drawn.
  void put(int index, const std::string& name, Canvas pixels);
  bool has(int index) const { return index >= 0 && index < count() && images_[index].has_value(); }
  const Canvas& at(int index) const;
  std::vector<int> missing() const;
  // Every image, in index order; throws std::logic_error when one is missing.
  std::vector<NamedImage> finish() &&;

 private:
  std::vector<std::optional<NamedImage>> images_;
};

}  // namespace art
