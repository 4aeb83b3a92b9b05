#pragma once
// The launcher's logo, shown on the launcher's white background and saved
// as a JPEG.
#include <filesystem>

#include "content/mapart/toolkit.h"

namespace mapart {

ImageRgb buildLogo();

// Writes a 24-bit image as a baseline JPEG. Throws std::runtime_error when
// the file cannot be written.
void writeJpeg(const std::filesystem::path& path, const ImageRgb& image, int quality);

}  // namespace mapart
