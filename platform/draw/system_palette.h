#pragma once
// The 20 static colours an 8-bit display reserves: entries 0-9 and 246-255.
#include <array>

#include "platform/draw/dd_types.h"

namespace platform {

// The display's system palette: the static colours at both ends, black between.
const std::array<PALETTEENTRY, 256>& systemPalette();

}  // namespace platform
