// Writes the world-map, font and title image libraries, the title and
// status-bar pictures and the launcher's logo into a program folder.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "content/mapart/font_art.h"
#include "content/mapart/logo_art.h"
#include "content/mapart/map_art.h"
#include "content/mapart/status_art.h"
#include "content/mapart/title_art.h"
#include "platform/core/bitmap.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mapart_gen PROGRAM_FOLDER\n");
    return 2;
  }
  try {
    const std::filesystem::path root = argv[1];
    for (const char* dir : {"sprites", "bitmaps"}) std::filesystem::create_directories(root / dir);
    using pixelart::toImages, pixelart::writeImageLibrary;
    writeImageLibrary(root / "sprites" / "map.iml", toImages(mapart::buildMapLibrary()));
    writeImageLibrary(root / "sprites" / "text.iml", toImages(mapart::buildFontLibrary()));
    writeImageLibrary(root / "sprites" / "splash.iml", toImages(mapart::buildSplashLibrary()));
    platform::writeBmp(root / "bitmaps" / "splash0.bmp", mapart::buildCurtainPicture());
    platform::writeBmp(root / "bitmaps" / "splash1.bmp", mapart::buildTitleBackground());
    platform::writeBmp(root / "bitmaps" / "status.bmp", mapart::buildStatusPicture());
    mapart::writeJpeg(root / "bitmaps" / "logo.jpg", mapart::buildLogo(), 92);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "mapart_gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
