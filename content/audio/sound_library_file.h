#pragma once
// The bytes of a sound library file (".sdl"): "SL10", the count, then each
// sound's wave format, name, pan, volume, size and samples, little-endian.
// Used until the component library's TGKSounds can save libraries itself.
#include <cstdint>
#include <string>
#include <vector>

#include "content/audio/effects.h"

namespace content::sound {

// Throws std::invalid_argument for an empty list, an empty sound or a name
// longer than the 11 characters the file keeps.
std::string encodeSoundLibrary(const std::vector<Effect>& effects);

}  // namespace content::sound
