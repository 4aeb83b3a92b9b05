#include "platform/core/bitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

#include "tests/support/scratch_folder.h"

using namespace platform;

namespace {

Bitmap sample8(int w, int h) {
  Bitmap bmp(w, h, 8);
  for (int i = 0; i < 256; ++i) bmp.colors[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.pixels[size_t(y) * w + x] = uint8_t(x * 7 + y * 13);
  return bmp;
}

Bitmap sample24(int w, int h) {
  Bitmap bmp(w, h, 24);
  for (size_t i = 0; i < bmp.pixels.size(); ++i) bmp.pixels[i] = uint8_t(i * 31);
  return bmp;
}

void expectSame(const Bitmap& a, const Bitmap& b) {
  EXPECT_EQ(a.width, b.width);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.bitsPerPixel, b.bitsPerPixel);
  EXPECT_EQ(a.pixels, b.pixels);
  if (a.bitsPerPixel == 8) {
    EXPECT_EQ(a.colors, b.colors);
  }
}

}  // namespace

TEST(Bmp, RoundTripsAtBothDepthsAndOddWidths) {
  for (int w : {1, 3, 5, 320, 321})
    for (int h : {1, 2, 7}) {
      SCOPED_TRACE(testing::Message() << w << "x" << h);
      expectSame(decodeBmp(encodeBmp(sample8(w, h))), sample8(w, h));
      expectSame(decodeBmp(encodeBmp(sample24(w, h))), sample24(w, h));
    }
}

TEST(Bmp, RowsArePaddedAndStoredBottomUp) {
  Bitmap bmp = sample8(5, 2);
  std::string bytes = encodeBmp(bmp);
  size_t data = 14 + 40 + 1024;
  ASSERT_EQ(bytes.size(), data + 2 * 8);
  EXPECT_EQ(uint8_t(bytes[data]), bmp.index(0, 1));      // first stored row is the bottom one
  EXPECT_EQ(uint8_t(bytes[data + 8]), bmp.index(0, 0));
  EXPECT_EQ(bmp.color(2, 1), bmp.colors[bmp.index(2, 1)]);
}

TEST(Bmp, ReadsTopDownFiles) {
  Bitmap bmp = sample24(3, 4);
  std::string bytes = encodeBmp(bmp);
  // Flip the stored rows and negate the height: the same picture.
  size_t stride = 12, data = 54;
  std::string flipped = bytes.substr(0, data);
  for (int row = 3; row >= 0; --row) flipped += bytes.substr(data + row * stride, stride);
  int32_t negative = -4;
  std::memcpy(&flipped[22], &negative, 4);
  expectSame(decodeBmp(flipped), bmp);
}

namespace {

// An OS/2 bitmap: the file header and a 12-byte header of 16-bit fields, then
// 24-bit rows padded to 4 bytes. 2 x 2 is the 42-byte file other tools write.
std::string os2Bmp(int w, int h) {
  const size_t stride = (size_t(w) * 3 + 3) / 4 * 4;
  auto put16 = [](std::string& out, uint32_t v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
  };
  auto put32 = [&](std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
  };
  std::string b = "BM";
  put32(b, uint32_t(26 + stride * size_t(h)));
  put32(b, 0);
  put32(b, 26);
  put32(b, 12);
  put16(b, uint32_t(w));
  put16(b, uint32_t(h));
  put16(b, 1);
  put16(b, 24);
  b += std::string(stride * size_t(h), '\x7F');
  return b;
}

}  // namespace

TEST(Bmp, MalformedFilesRaiseClearErrors) {
  std::string good8 = encodeBmp(sample8(4, 4));
  auto with = [&](size_t at, std::string patch) {
    std::string b = good8;
    b.replace(at, patch.size(), patch);
    return b;
  };
  struct Case { const char* what; std::string bytes; const char* error; } cases[] = {
      {"empty", "", "Not a BMP file"},
      {"not BM", with(0, "XX"), "Not a BMP file"},
      {"no header size", good8.substr(0, 17), "Not a BMP file"},
      {"OS/2, 2 x 2", os2Bmp(2, 2), "Unsupported BMP header"},
      {"OS/2, 64 x 64", os2Bmp(64, 64), "Unsupported BMP header"},
      {"header size 0", with(14, std::string(4, '\0')), "Unsupported BMP header"},
      {"cut header", good8.substr(0, 53), "Truncated BMP header"},
      {"header only", good8.substr(0, 54), "Truncated BMP colour table"},
      {"cut colour table", good8.substr(0, 100), "Truncated BMP colour table"},
      {"cut pixels", good8.substr(0, good8.size() - 1), "Truncated BMP pixel data"},
      {"4-bit", with(28, std::string("\x04\x00", 2)), "Only 8-bit and 24-bit BMP files are supported"},
      {"RLE", with(30, std::string("\x01\x00\x00\x00", 4)), "Compressed BMP files are not supported"},
      {"zero width", with(18, std::string(4, '\0')), "Invalid BMP size"},
      {"huge height", with(22, std::string("\xFF\xFF\xFF\x7F", 4)), "Invalid BMP size"},
      {"too many colours", with(46, std::string("\x00\x02\x00\x00", 4)), "Invalid BMP colour table"},
      {"data offset past the end", with(10, std::string("\xFF\xFF\xFF\x7F", 4)), "Truncated BMP pixel data"},
      // 32768 x 32768 at 24 bits promises 3 GB of pixels that the file does not hold.
      {"size beyond the data", [&] {
         std::string b = encodeBmp(sample24(4, 4));
         b.replace(18, 8, std::string("\x00\x80\x00\x00\x00\x80\x00\x00", 8));
         return b;
       }(), "Truncated BMP pixel data"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      decodeBmp(c.bytes);
      ADD_FAILURE() << "decoded";
    } catch (const BmpError& e) {
      EXPECT_STREQ(e.what(), c.error);
    }
  }
  EXPECT_THROW(readBmp("/nonexistent/x.bmp"), BmpError);
}

TEST(Bmp, WritesFiles) {
  auto path = testTempPath("tq_bmp.bmp");
  writeBmp(path, sample8(9, 3));
  expectSame(readBmp(path), sample8(9, 3));
  std::filesystem::remove(path);
}
