#include "content/art/iml_sheet.h"

#include "components/GKILib/TGKImages.h"
#include "content/art/sheet.h"

void WriteLibrarySheet(const std::string& imlPath, const std::string& pngPath, std::ostream& log) {
  TGKImages lib;
  lib.LoadFromFile(imlPath);
  std::array<art::SheetRgb, 256> palette{};
  for (size_t i = 0; i < palette.size(); ++i)
    palette[i] = {lib.Palette[i].peRed, lib.Palette[i].peGreen, lib.Palette[i].peBlue};
  std::vector<art::SheetImage> images;
  for (int i = 0; i < lib.GetCount(); ++i) {
    const TGKImageEntry& e = lib.GetImageHeader(i);
    art::SheetImage img{e.Width, e.Height, {}};
    const size_t rowBytes = (static_cast<size_t>(e.Width) + 3) / 4 * 4;
    img.pixels.reserve(static_cast<size_t>(e.Width) * e.Height);
    for (int y = 0; y < e.Height; ++y)
      img.pixels.insert(img.pixels.end(), e.Bits.begin() + y * rowBytes, e.Bits.begin() + y * rowBytes + e.Width);
    images.push_back(std::move(img));
  }
  art::writeContactSheet(images, palette, pngPath);
  log << pngPath << ": " << images.size() << " images\n";
}
