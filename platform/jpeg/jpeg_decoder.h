#pragma once
// Decoding of JPEG pictures (the launcher's logo) into 24-bit bitmaps.
#include <cstdint>
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

// The largest picture decoded, in pixels (2048 x 2048, or as many in another
// shape), refused from its header on: whatever its scans, the output pass
// (upsampling and colour conversion of every pixel) and the picture's copies
// cost the launcher for each pixel, and a file of 200 bytes can say 4096 x 4096
// and hold it for a second and more. A logo the launcher shows at its own size
// needs far less.
constexpr uint64_t kMaxJpegPixels = 4ULL * 1024 * 1024;

// A multi-scan picture (progressive, or sequential with a scan per component)
// is read whole, scan by scan, before its first row comes out, and the format
// bounds neither the scans nor what they cover: a scan of no data still costs
// the decoder every block it covers and every restart of its entropy decoder,
// and an arithmetic-coded one several times what a Huffman-coded one does. A
// picture is refused before the scan that would take it past either bound:
// - scans: real pictures have about ten;
constexpr int kMaxJpegScans = 300;
// - work: the 8x8 blocks all its scans cover plus their restarts. A real
//   progressive picture of the largest accepted size, 2048 x 2048 in full
//   colour, is 0.9 million; the slowest forms known, arithmetic-coded
//   sequential or refinement scans, decode some 20 million a second, so the
//   budget is about a twelfth of a second's work.
constexpr uint64_t kMaxJpegWork = 3ULL * 512 * 1024;

// What a decode cost, reported whether it succeeded or not: the scans read,
// the blocks they cover and the restarts between their intervals (a refused
// scan is not read).
struct JpegWork {
  int scans = 0;
  uint64_t blocks = 0;
  uint64_t restarts = 0;
  uint64_t total() const { return blocks + restarts; }
};

// Decodes a baseline or progressive JPEG (grey or colour) into a 24-bit bitmap;
// `work`, when given, receives what the decode cost.
Bitmap decodeJpeg(std::string_view bytes, JpegWork* work = nullptr);
// Reads and decodes a file; a file that cannot be read raises JpegError.
Bitmap readJpeg(const std::filesystem::path& path);

}  // namespace platform
