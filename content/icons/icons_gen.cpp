// Writes the editor's toolbar glyphs (BMP) and the program and document icons
// (PNG, laid out as an icon theme: <size>x<size>/<context>/<name>.png) under
// the program folder's resources.
#include <QImage>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "content/icons/document_icons.h"
#include "content/icons/toolbar_glyphs.h"
#include "platform/core/bitmap.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icons_gen PROGRAM_FOLDER\n");
    return 2;
  }
  try {
    const fs::path resources = fs::path(argv[1]) / "resources";
    fs::create_directories(resources / "glyphs");
    for (const icons::NamedGlyph& g : icons::buildToolbarGlyphs())
      platform::writeBmp(resources / "glyphs" / (g.name + ".bmp"), icons::glyphBitmap(g.picture));
    for (const icons::NamedIcon& icon : icons::buildDocumentIcons()) {
      const std::string size = std::to_string(icon.size);
      const fs::path dir = resources / "icons" / (size + "x" + size) /
                           (icon.context == icons::IconContext::MimeType ? "mimetypes" : "apps");
      fs::create_directories(dir);
      const std::vector<unsigned char> rgba = icons::rgbaPixels(icon.picture);
      const QImage image(rgba.data(), icon.size, icon.size, icon.size * 4, QImage::Format_RGBA8888);
      const fs::path file = dir / (icon.name + ".png");
      if (!image.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "icons_gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
