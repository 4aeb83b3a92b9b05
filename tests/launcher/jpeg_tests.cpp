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

// The side of the largest square picture decoded.
constexpr int kLargestSide = 2048;
static_assert(uint64_t(kLargestSide) * kLargestSide == platform::kMaxJpegPixels);

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

// Decodes a picture the decoder must refuse; returns what it cost.
platform::JpegWork refusedWork(const std::string& picture) {
  platform::JpegWork work;
  try {
    platform::decodeJpeg(picture, &work);
    ADD_FAILURE() << "decoded";
  } catch (const platform::JpegError& e) {
    EXPECT_STREQ(e.what(), "JPEG: unsupported picture size or format");
  }
  return work;
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
    EXPECT_EQ(refusedWork(picture).scans, platform::kMaxJpegScans);
  }
}

// Pictures written marker by marker in every coding, with and without restart
// markers, some with subsampled components and MCUs that overhang the edge:
// each is decoded, and the work counted is the blocks its scans cover and
// their restarts.
TEST(JpegDecoder, CountsTheBlocksAndRestartsOfEveryScan) {
  std::vector<stallinputs::StallJpeg> pictures = stallinputs::stallJpegs(64, 48, 10);
  for (stallinputs::StallJpeg marked : stallinputs::stallJpegs(64, 48, 10)) {
    if (marked.picture.restartInterval == 0) continue;
    marked.picture.restartMarkers = true;
    pictures.push_back(marked);
  }
  for (jpegmarkers::Frame frame : {jpegmarkers::kProgressiveHuffman, jpegmarkers::kProgressiveArithmetic}) {
    jpegmarkers::Picture p;
    p.frame = frame;
    p.width = 50;
    p.height = 30;
    p.components = {{2, 2}, {1, 1}, {1, 1}};
    p.restartInterval = 2;
    p.restartMarkers = true;
    p.scans = {{{0, 1, 2}, 0, 0, 0, 1}, {{0}, 1, 63, 0, 0}, {{1}, 1, 63, 0, 0}, {{2}, 1, 63, 0, 0}, {{0, 1, 2}, 0, 0, 1, 0}};
    pictures.push_back({"subsampled", p});
  }
  for (const stallinputs::StallJpeg& c : pictures) {
    SCOPED_TRACE(testing::Message() << c.name << (c.picture.restartMarkers ? " with markers" : "") << " frame "
                                    << int(c.picture.frame));
    platform::JpegWork work;
    EXPECT_EQ(platform::decodeJpeg(jpegmarkers::write(c.picture), &work).width, c.picture.width);
    EXPECT_EQ(work.scans, int(c.picture.scans.size()));
    EXPECT_EQ(work.blocks, jpegmarkers::blocksCovered(c.picture));
    EXPECT_EQ(work.restarts, jpegmarkers::restartsIn(c.picture));
  }
}

// Logos of a few KB whose scans cover hundreds of times the largest picture:
// each is refused at the first scan that would take the decode past the work
// budget, having decoded only the scans before it.
TEST(JpegDecoder, LogosBeyondTheWorkBudgetAreRefusedBeforeTheScanThatPassesIt) {
  for (const stallinputs::StallJpeg& c : stallinputs::stallJpegs(kLargestSide, kLargestSide, platform::kMaxJpegScans)) {
    SCOPED_TRACE(c.name);
    uint64_t within = 0;
    int scans = 0;
    for (const jpegmarkers::Scan& s : c.picture.scans) {
      const jpegmarkers::ScanLayout layout = jpegmarkers::scanLayout(c.picture, s);
      const uint64_t cost = layout.blocks() + layout.restarts(c.picture.restartInterval);
      if (within + cost > platform::kMaxJpegWork) break;
      within += cost;
      ++scans;
    }
    ASSERT_LT(scans, int(c.picture.scans.size()));
    const platform::JpegWork work = refusedWork(jpegmarkers::write(c.picture));
    EXPECT_EQ(work.scans, scans);
    EXPECT_EQ(work.total(), within);
  }
}

// At the budget exactly a picture is decoded; one scan more is refused.
TEST(JpegDecoder, APictureOfExactlyTheWorkBudgetIsDecoded) {
  jpegmarkers::Picture p;
  p.frame = jpegmarkers::kProgressiveHuffman;
  p.width = kLargestSide;
  p.height = kLargestSide;
  constexpr uint64_t kBlocksPerScan = (kLargestSide / 8) * (kLargestSide / 8);
  static_assert(platform::kMaxJpegWork % kBlocksPerScan == 0);
  p.scans.assign(platform::kMaxJpegWork / kBlocksPerScan, {{0}, 0, 0, 0, 0});
  platform::JpegWork work;
  EXPECT_EQ(platform::decodeJpeg(jpegmarkers::write(p), &work).height, kLargestSide);
  EXPECT_EQ(work.total(), platform::kMaxJpegWork);
  p.scans.push_back(p.scans.back());
  work = refusedWork(jpegmarkers::write(p));
  EXPECT_EQ(work.total(), platform::kMaxJpegWork);
  EXPECT_EQ(work.scans, int(p.scans.size()) - 1);
}

// A picture's area bounds what its output costs: a file of 200 bytes that
// says 4096 x 4096 is refused from its header, before any scan is read; a
// camera's few megapixels, or the largest area in any shape, are decoded.
TEST(JpegDecoder, PicturesBeyondTheLargestAreaAreRefusedFromTheirHeader) {
  const struct {
    const char* what;
    int width, height;
    bool decoded;
  } cases[] = {
      {"4096 x 4096", 4096, 4096, false},
      {"one row more than the largest", kLargestSide, kLargestSide + 1, false},
      {"65,000 x 65", 65000, 65, false},
      {"the largest, square", kLargestSide, kLargestSide, true},
      {"the largest, wide", 4 * kLargestSide, kLargestSide / 4, true},
      {"2560 x 1600", 2560, 1600, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    jpegmarkers::Picture p;
    p.width = c.width;
    p.height = c.height;
    p.components.assign(3, jpegmarkers::Component{});
    p.scans.push_back({{0, 1, 2}, 0, 63, 0, 0});
    const std::string file = jpegmarkers::write(p);
    ASSERT_LT(file.size(), 300u);
    if (!c.decoded) {
      EXPECT_EQ(refusedWork(file).scans, 0);
      continue;
    }
    const platform::Bitmap bmp = platform::decodeJpeg(file);
    EXPECT_EQ(bmp.width, c.width);
    EXPECT_EQ(bmp.height, c.height);
  }
}

// What encoders write, up to the largest accepted size: baseline, progressive
// in full colour, arithmetic coding, restart markers after every MCU or row.
TEST(JpegDecoder, RealPicturesOfEveryCodingAreDecoded) {
  const struct {
    const char* what;
    int width, height;
    void (*configure)(jpeg_compress_struct&);
    bool progressive;
  } cases[] = {
      {"baseline, 4:2:0", 1024, 768, [](jpeg_compress_struct&) {}, false},
      {"progressive, 4:4:4", kLargestSide, kLargestSide,
       [](jpeg_compress_struct& c) {
         for (int i = 0; i < 3; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
         jpeg_simple_progression(&c);
       },
       true},
      {"progressive arithmetic, a restart every MCU", 640, 480,
       [](jpeg_compress_struct& c) {
         c.arith_code = TRUE;
         c.restart_interval = 1;
         jpeg_simple_progression(&c);
       },
       true},
      {"sequential arithmetic, a restart every row", 640, 480,
       [](jpeg_compress_struct& c) {
         c.arith_code = TRUE;
         c.restart_in_rows = 1;
       },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string picture = stallinputs::compressJpeg(c.width, c.height, 3, c.configure, [&](int y, unsigned char* row) {
      for (int x = 0; x < c.width; ++x) {
        row[size_t(x) * 3 + 0] = uint8_t(x * 255 / c.width);
        row[size_t(x) * 3 + 1] = uint8_t(y * 255 / c.height);
        row[size_t(x) * 3 + 2] = 128;
      }
    });
    platform::JpegWork work;
    const platform::Bitmap bmp = platform::decodeJpeg(picture, &work);
    ASSERT_EQ(bmp.width, c.width);
    ASSERT_EQ(bmp.height, c.height);
    const platform::Rgb middle = bmp.color(c.width / 4, c.height * 3 / 4);
    EXPECT_NEAR(middle.r, 64, 6);
    EXPECT_NEAR(middle.g, 191, 6);
    EXPECT_NEAR(middle.b, 128, 6);
    EXPECT_EQ(work.scans > 1, c.progressive);
    EXPECT_LE(work.total(), platform::kMaxJpegWork);
  }
}

}  // namespace
