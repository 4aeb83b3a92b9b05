// The logo decoder: a picture written with the library's compressor comes back,
// and broken input raises JpegError instead of ending the program.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/jpeg/jpeg_decoder.h"
#include "tests/support/stall_inputs.h"

namespace {

// A width x height picture: left half red, right half blue, at high quality.
std::string compressTestPicture(int width, int height) {
  return stallinputs::compressJpeg(
      width, height, 3, [](jpeg_compress_struct& c) { jpeg_set_quality(&c, 95, TRUE); },
      [&](int, unsigned char* row) {
        for (int x = 0; x < width; ++x) {
          const bool left = x < width / 2;
          row[size_t(x) * 3 + 0] = left ? 220 : 20;
          row[size_t(x) * 3 + 1] = 20;
          row[size_t(x) * 3 + 2] = left ? 20 : 220;
        }
      });
}

TEST(JpegDecoder, DecodesWhatTheCompressorWrote) {
  const platform::Bitmap bmp = platform::decodeJpeg(compressTestPicture(64, 24));
  ASSERT_EQ(bmp.width, 64);
  ASSERT_EQ(bmp.height, 24);
  ASSERT_EQ(bmp.bitsPerPixel, 24);
  const platform::Rgb left = bmp.color(8, 12), right = bmp.color(56, 12);
  EXPECT_GT(left.r, 180);
  EXPECT_LT(left.b, 60);
  EXPECT_GT(right.b, 180);
  EXPECT_LT(right.r, 60);
}

TEST(JpegDecoder, BrokenInputRaisesJpegError) {
  const std::string good = compressTestPicture(16, 16);
  const std::string inputs[] = {"", "not a jpeg at all", good.substr(0, 20), std::string(good.size(), '\xFF')};
  for (const std::string& bytes : inputs) EXPECT_THROW(platform::decodeJpeg(bytes), platform::JpegError);
  EXPECT_THROW(platform::readJpeg("/nonexistent/logo.jpg"), platform::JpegError);
}

// A progressive picture is read scan by scan before its first row comes out;
// thousands of scans over a large picture took seconds at every start.
TEST(JpegDecoder, ProgressivePicturesOfTooManyScansAreRefused) {
  const struct {
    int scans;
    bool decoded;
  } cases[] = {{10, true}, {platform::kMaxJpegScans, true}, {platform::kMaxJpegScans + 1, false}, {10000, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scans);
    const std::string picture = stallinputs::manyScanJpeg(48, 32, c.scans);
    if (c.decoded) {
      EXPECT_EQ(platform::decodeJpeg(picture).width, 48);
      continue;
    }
    try {
      platform::decodeJpeg(picture);
      ADD_FAILURE() << "decoded";
    } catch (const platform::JpegError& e) {
      EXPECT_STREQ(e.what(), "JPEG: unsupported picture size or format");
    }
  }
}

}  // namespace
