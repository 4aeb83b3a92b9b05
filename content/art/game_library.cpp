#include "content/art/game_library.h"

#include "content/art/families.h"
#include "content/art/palette.h"

namespace art {

TGKImages makeGameLibrary() {
  return pixelart::toImages(gamePalette(), buildGameImages());
}

}  // namespace art
