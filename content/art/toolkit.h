#pragma once
// The shared pixel-art toolkit, under the names the level art is written with.
#include "content/pixelart/canvas.h"
#include "content/pixelart/image_library.h"
#include "content/pixelart/palette.h"

namespace art {

using pixelart::Canvas;
using pixelart::ImageSet;
using pixelart::Index;
using pixelart::kClear;
using pixelart::NamedImage;
using pixelart::Palette;

}  // namespace art
