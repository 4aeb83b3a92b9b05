#include "content/mapart/iml_writer.h"

#include <sstream>

#include "platform/core/ini_file.h"

namespace mapart {

TGKImages toImages(const ArtLibrary& lib) {
  TGKImages out;
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& e = lib.palette[i];
    out.Palette[size_t(i)] = {e.rgb.r, e.rgb.g, e.rgb.b, uint8_t(e.used ? 1 : 0)};
  }
  for (const NamedImage& n : lib.images)
    out.AddImage(n.image.width(), n.image.height(), n.name, n.image.pixels());
  return out;
}

void writeImageLibrary(const std::filesystem::path& path, const ArtLibrary& lib) {
  std::ostringstream bytes;
  toImages(lib).WriteToStream(bytes);
  platform::writeFileAtomically(path, bytes.str());
}

}  // namespace mapart
