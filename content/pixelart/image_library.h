#pragma once
// The images of a library being drawn, with the short names the editor lists
// them by, and their conversion into an image library file.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "components/GKILib/TGKImages.h"
#include "content/pixelart/canvas.h"
#include "content/pixelart/palette.h"

namespace pixelart {

// The library's name field holds 11 characters; longer names are cut.
constexpr size_t kMaxImageName = 11;

struct NamedImage {
  std::string name;
  Canvas pixels;
};

// Images drawn into fixed indexes, in any order.
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

// A palette and images appended in library order. Entry 0 of the palette,
// the transparent colour, starts as black in use.
struct ArtLibrary {
  ArtLibrary() { palette.set(0, Rgb{0, 0, 0}); }
  Palette palette;
  std::vector<NamedImage> images;
  void add(const std::string& name, Canvas image);
};

TGKImages toImages(const Palette& palette, const std::vector<NamedImage>& images);
inline TGKImages toImages(const ArtLibrary& lib) { return toImages(lib.palette, lib.images); }

// Writes the library file atomically; throws when it cannot be written.
void writeImageLibrary(const std::filesystem::path& path, const TGKImages& lib);

}  // namespace pixelart
