#include "content/art/game_library.h"

#include "content/art/families.h"
#include "content/art/palette.h"

namespace art {

TGKImages makeGameLibrary() {
  TGKImages lib;
  const Palette& palette = gamePalette();
  for (size_t i = 0; i < palette.size(); ++i)
    lib.Palette[i] = {palette[i].r, palette[i].g, palette[i].b, palette[i].flags};
  for (const NamedImage& image : buildGameImages())
    lib.AddImage(image.pixels.width(), image.pixels.height(), image.name, image.pixels.pixels());
  return lib;
}

}  // namespace art
