#pragma once
// The status bar's background picture (bitmaps\status.bmp, 320x26): panels
// and icons under the texts, run meter and card slots that the game draws
// at fixed places over it.
#include "platform/core/bitmap.h"

namespace mapart {

inline constexpr int kStatusWidth = 320;
inline constexpr int kStatusHeight = 26;

platform::Bitmap buildStatusPicture();

}  // namespace mapart
