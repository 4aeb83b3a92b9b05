#pragma once
// The title screen: its image library (the spinning medallion that bounces
// in front of the menu and the comets that cross behind it) and its two
// pictures, the curtain (bitmaps\splash0.bmp) and the background
// (bitmaps\splash1.bmp, also shown by the editor's about box).
#include "content/mapart/toolkit.h"
#include "platform/core/bitmap.h"

namespace mapart {

// The game copies the first 61 colours of each title picture into the
// screen palette at 8 bits per pixel, so the pictures use no others.
inline constexpr int kTitlePictureColours = 61;
inline constexpr int kCurtainHeight = 246;
inline constexpr int kTitleWidth = 320;
inline constexpr int kTitleHeight = 240;

ArtLibrary buildSplashLibrary();
platform::Bitmap buildCurtainPicture();
platform::Bitmap buildTitleBackground();

}  // namespace mapart
