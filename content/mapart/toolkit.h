#pragma once
// The shared pixel-art toolkit, under the names the map, font and title art
// is written with.
#include "content/pixelart/canvas.h"
#include "content/pixelart/image_library.h"
#include "content/pixelart/palette.h"
#include "content/pixelart/rgb_image.h"
#include "content/pixelart/ui_palette.h"

namespace mapart {

using pixelart::ArtLibrary;
using pixelart::Canvas;
using pixelart::ditherOn;
using pixelart::ImageRgb;
using pixelart::ImageSet;
using pixelart::mix;
using pixelart::Palette;
using pixelart::PolygonSpans;
using pixelart::Rgb;
namespace ui = pixelart::ui;

}  // namespace mapart
