#pragma once
// Decoding of JPEG pictures (the launcher's logo) into 24-bit bitmaps.
#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "platform/core/bitmap.h"

namespace platform {

// Raised for a picture the decoder cannot read; the text is the decoder's own message.
class JpegError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Real pictures have about ten scans; one of more is refused.
constexpr int kMaxJpegScans = 300;

// Decodes a baseline or progressive JPEG (grey or colour) into a 24-bit bitmap.
Bitmap decodeJpeg(std::string_view bytes);
// Reads and decodes a file; a file that cannot be read raises JpegError.
Bitmap readJpeg(const std::filesystem::path& path);

}  // namespace platform
