// The contact sheet of an image library: each image enlarged on a checkered
// ground in a labelled cell; a library that cannot be read gives its error.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "components/GKILib/TGKImages.h"
#include "content/art/iml_sheet.h"

namespace {

std::filesystem::path tempPath(const std::string& name) {
  return std::filesystem::temp_directory_path() / ("level_art_" + std::to_string(getpid()) + "_" + name);
}

TEST(ContactSheet, ShowsEveryImageEnlargedWithItsColours) {
  TGKImages lib;
  lib.Palette[1] = {200, 10, 20, 1};
  lib.Palette[2] = {10, 200, 30, 1};
  lib.AddImage(3, 2, "a", {1, 1, 1, 0, 1, 0});  // odd width: rows padded in the file
  lib.AddImage(4, 4, "b", std::vector<uint8_t>(16, 2));
  const auto iml = tempPath("two.iml"), png = tempPath("two.png");
  {
    std::ofstream out(iml, std::ios::binary);
    lib.WriteToStream(out);
  }
  std::ostringstream log;
  WriteLibrarySheet(iml.string(), png.string(), log);
  EXPECT_NE(log.str().find("2 images"), std::string::npos);

  QImage sheet(QString::fromStdString(png.string()));
  ASSERT_FALSE(sheet.isNull());
  // the first image sits at the cell origin (6, 6), two screen pixels a pixel
  EXPECT_EQ(sheet.pixel(6, 6), qRgb(200, 10, 20));
  EXPECT_EQ(sheet.pixel(11, 7), qRgb(200, 10, 20));
  EXPECT_EQ(sheet.pixel(8, 8), qRgb(200, 10, 20));
  EXPECT_NE(sheet.pixel(6, 8), qRgb(200, 10, 20));  // transparent pixel: the checker shows
  EXPECT_NE(sheet.pixel(7, 9), qRgb(200, 10, 20));
  bool foundSecond = false;
  for (int x = 0; x < sheet.width(); ++x) foundSecond |= sheet.pixel(x, 6) == qRgb(10, 200, 30);
  EXPECT_TRUE(foundSecond);
  std::filesystem::remove(iml);
  std::filesystem::remove(png);
}

TEST(ContactSheet, ABrokenLibraryRaisesItsOwnError) {
  const auto iml = tempPath("broken.iml");
  {
    std::ofstream out(iml, std::ios::binary);
    out << "XL10 not an image library";
  }
  std::ostringstream log;
  EXPECT_THROW(WriteLibrarySheet(iml.string(), tempPath("broken.png").string(), log), EGKImages);
  EXPECT_FALSE(std::filesystem::exists(tempPath("broken.png")));
  std::filesystem::remove(iml);
}

}  // namespace
