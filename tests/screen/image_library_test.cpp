// Image library files: byte-exact round trip, the reader's checks, drawing.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <fstream>
#include <sstream>

#include "components/BmpUtil/BmpUtil.h"
#include "components/GKILib/TGKImageLib.h"
#include "platform/draw/gdi_bitmap.h"
#include "tests/support/scratch_folder.h"

namespace {

void putInt(std::string& s, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = char(uint32_t(v) >> (8 * i));
}

struct FileImage {
  int32_t width, height;
  std::string name;
};

// A library file built by hand: reserved bytes and the unused name bytes carry
// values that must survive a round trip.
constexpr int32_t kCountOfImages = INT32_MIN;  // Count as the images given

std::string makeFile(const std::vector<FileImage>& images, const char* signature = "IL10",
                     int32_t count = kCountOfImages) {
  std::string s(1036, '\0');
  std::memcpy(s.data(), signature, 4);
  putInt(s, 4, count == kCountOfImages ? int32_t(images.size()) : count);
  putInt(s, 8, 0x12345678);
  for (int i = 0; i < 256; ++i) {
    s[12 + 4 * i] = char(i);
    s[13 + 4 * i] = char(255 - i);
    s[14 + 4 * i] = char(i / 2);
    s[15 + 4 * i] = char(i == 0 ? 0 : 1);
  }
  int seed = 1;
  for (const FileImage& im : images) {
    std::string head(20, '\x7F');  // unused name bytes are not zero
    putInt(head, 0, im.width);
    putInt(head, 4, im.height);
    head[8] = char(im.name.size());
    std::memcpy(head.data() + 9, im.name.data(), im.name.size());
    s += head;
    const int64_t bytes = int64_t(DibRowBytes(im.width)) * im.height;
    for (int64_t i = 0; i < bytes && bytes > 0; ++i) s += char((seed++ * 37) & 0xFF);
  }
  return s;
}

TGKImages readFrom(const std::string& bytes) {
  std::istringstream in(bytes);
  TGKImages images;
  images.ReadFromStream(in);
  return images;
}

std::string writeOut(const TGKImages& images) {
  std::ostringstream out;
  images.WriteToStream(out);
  return out.str();
}

TEST(ImageLibraryFile, RoundTripIsByteExactWithOddWidths) {
  const std::string file = makeFile({{5, 3, "five"}, {1, 1, "a"}, {32, 2, "elevenchars"}, {7, 4, ""}});
  TGKImages images = readFrom(file);
  ASSERT_EQ(images.GetCount(), 4);
  // 5 pixels wide: rows of 8 bytes.
  EXPECT_EQ(images.GetImageHeader(0).Bits.size(), 8u * 3);
  EXPECT_EQ(images.GetImageHeader(0).NameText(), "five");
  EXPECT_EQ(images.GetImageHeader(2).NameText(), "elevenchars");
  EXPECT_EQ(images.Reserved, 0x12345678);
  EXPECT_EQ(writeOut(images), file);
}

TEST(ImageLibraryFile, SignatureIsComparedWithoutCase) {
  const std::string file = makeFile({{4, 4, "x"}}, "il10");
  TGKImages images = readFrom(file);
  EXPECT_EQ(images.GetCount(), 1);
  EXPECT_EQ(writeOut(images), file);  // the signature is written back as read
}

TEST(ImageLibraryFile, MalformedFilesFailAndLeaveTheLibraryEmpty) {
  const std::string good = makeFile({{8, 2, "ok"}, {3, 3, "odd"}});
  std::string longName = good;
  longName[1036 + 8] = 12;
  std::string hugeSize = makeFile({{8, 2, "ok"}});
  putInt(hugeSize, 1036, 0x7FFFFFFF);
  putInt(hugeSize, 1040, 0x7FFFFFFF);
  const struct {
    const char* name;
    std::string bytes;
    const char* message;  // nullptr: a message of our own
  } cases[] = {
      {"bad signature", makeFile({{4, 4, "x"}}, "IL11"), "Not a valid Image Library File"},
      {"short header", good.substr(0, 500), "Not a valid Image Library File"},
      {"count 0", makeFile({}), "TGKImage: GemMem Failed for FImages"},
      {"negative count", makeFile({{4, 4, "x"}}, "IL10", -3), "TGKImage: GemMem Failed for FImages"},
      {"width 0", makeFile({{0, 4, "w"}}), "TGKImage: GemMem Failed for ImgHdr.Bits"},
      {"height 0", makeFile({{4, 0, "h"}}), "TGKImage: GemMem Failed for ImgHdr.Bits"},
      {"negative width", makeFile({{-8, 4, "n"}}), "TGKImage: GemMem Failed for ImgHdr.Bits"},
      {"truncated pixels", good.substr(0, good.size() - 1), nullptr},
      {"truncated record head", good.substr(0, 1036 + 10), nullptr},
      {"count beyond the file", makeFile({{4, 4, "x"}}, "IL10", 1000000), nullptr},
      {"size beyond the file", hugeSize, nullptr},
      {"name longer than 11", longName, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TGKImages images = readFrom(makeFile({{2, 2, "old"}}));
    std::istringstream in(c.bytes);
    try {
      images.ReadFromStream(in);
      ADD_FAILURE() << "no error";
    } catch (const EGKImages& e) {
      if (c.message) EXPECT_STREQ(e.what(), c.message);
      else EXPECT_FALSE(std::string(e.what()).empty());
    }
    EXPECT_EQ(images.GetCount(), 0);
  }
}

TEST(ImageLibraryComponent, LoadKeepsTheFileNameOnlyOnSuccess) {
  const std::string path = testTempPath("lib_test.iml").string();
  std::ofstream(path, std::ios::binary) << makeFile({{4, 2, "a"}});
  TGKImageLib lib;
  EXPECT_THROW(
      {
        try {
          lib.ReloadFromFile();
        } catch (const EGKImages& e) {
          EXPECT_STREQ(e.what(), "LoadFromFile must be called first");
          throw;
        }
      },
      EGKImages);
  lib.LoadFromFile(path);
  EXPECT_TRUE(lib.HasFileName());
  EXPECT_EQ(lib.GetCount(), 1);
  lib.Images().Clear();
  lib.ReloadFromFile();
  EXPECT_EQ(lib.GetCount(), 1);

  std::ofstream(path, std::ios::binary) << "garbage";
  EXPECT_THROW(lib.LoadFromFile(path), EGKImages);
  EXPECT_FALSE(lib.HasFileName());
  EXPECT_THROW(lib.LoadFromFile(path + ".missing"), EGKImages);
  std::filesystem::remove(path);
}

TEST(ImageLibraryComponent, AssignCopiesContents) {
  TGKImageLib a, b;
  a.SetImages(readFrom(makeFile({{4, 2, "a"}, {6, 1, "b"}})));
  b.SetImages(a.Images());
  EXPECT_EQ(writeOut(b.Images()), writeOut(a.Images()));
  b.SetImages(TGKImages());  // an empty source leaves the copy empty
  EXPECT_EQ(b.GetCount(), 0);
}

// One 3x1 image: index 0, an in-use near-black entry, a plain colour.
void drawFixture(TGKImageLib& lib, int depth) {
  TGKImages images;
  images.Palette[0] = {10, 20, 30, 0};
  images.Palette[1] = {1, 1, 1, 1};
  images.Palette[2] = {200, 100, 50, 1};
  images.AddImage(3, 1, "px", {0, 1, 2});
  lib.SetImages(images);
  lib.ColorDepth = depth;
}

TEST(ImageLibraryDrawing, DrawTransparentAboveEightBitsLeavesIndexZeroUnpainted) {
  TGKImageLib lib;
  drawFixture(lib, 16);
  platform::GdiBitmap target(3, 1, 32);
  target.Canvas().Brush.Color = platform::RGB(9, 9, 9);
  target.Canvas().FillRect({0, 0, 3, 1});
  lib.DrawTransparent(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.PixelColor(0, 0), platform::RGB(9, 9, 9));
  EXPECT_EQ(target.PixelColor(1, 0), platform::RGB(4, 4, 4));
  EXPECT_EQ(target.PixelColor(2, 0), platform::RGB(200, 100, 50));

  lib.Draw(target.Canvas(), 0, 0, 0);  // opaque: the palette as it is
  EXPECT_EQ(target.PixelColor(0, 0), platform::RGB(10, 20, 30));
  EXPECT_EQ(target.PixelColor(1, 0), platform::RGB(1, 1, 1));
  lib.Draw(target.Canvas(), 0, 0, 1);  // beyond the last image: nothing
  lib.DrawTransparent(target.Canvas(), 0, 0, -1);
  EXPECT_EQ(target.PixelColor(0, 0), platform::RGB(10, 20, 30));
}

TEST(ImageLibraryDrawing, DrawTransparentAtEightBitsIsOpaque) {
  TGKImageLib lib;
  drawFixture(lib, 8);
  platform::GdiBitmap target(3, 1, 32);
  lib.DrawTransparent(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.PixelColor(0, 0), platform::RGB(10, 20, 30));
  EXPECT_EQ(target.PixelColor(1, 0), platform::RGB(4, 4, 4));
}

TEST(BmpUtil, DibRowBytes) {
  const std::pair<int, int> cases[] = {{1, 4}, {4, 4}, {5, 8}, {320, 320}, {321, 324}};
  for (auto [width, bytes] : cases) EXPECT_EQ(DibRowBytes(width), bytes) << width;
}

TEST(BmpUtil, DibToBitmapReadsBothRowOrdersAndRejectsBadHeaders) {
  BITMAPINFO info;
  std::array<platform::TColor, 256> colors{};
  colors[1] = platform::RGB(1, 2, 3);
  colors[2] = platform::RGB(4, 5, 6);
  ColorsToDibColorTable(colors, info);
  EXPECT_EQ(info.bmiColors[1].rgbRed, 1);
  EXPECT_EQ(info.bmiColors[1].rgbBlue, 3);
  const uint8_t bits[8] = {1, 2, 0, 0, 2, 1, 0, 0};  // 2x2, rows padded to 4
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = -2;  // top-down
  platform::GdiBitmap bmp;
  DibToBitmap(bmp, info, bits);
  EXPECT_EQ(bmp.PixelColor(0, 0), platform::RGB(1, 2, 3));
  EXPECT_EQ(bmp.PixelColor(0, 1), platform::RGB(4, 5, 6));
  info.bmiHeader.biHeight = 2;  // bottom-up
  DibToBitmap(bmp, info, bits);
  EXPECT_EQ(bmp.PixelColor(0, 0), platform::RGB(4, 5, 6));
  EXPECT_EQ(CreateDibPalette(info)->entries()[2], (platform::PALETTEENTRY{4, 5, 6, 0}));

  info.bmiHeader.biBitCount = 24;
  EXPECT_THROW(DibToBitmap(bmp, info, bits), std::runtime_error);
  info.bmiHeader.biBitCount = 8;
  info.bmiHeader.biWidth = 0;
  EXPECT_THROW(DibToBitmap(bmp, info, bits), std::runtime_error);
}

}  // namespace
