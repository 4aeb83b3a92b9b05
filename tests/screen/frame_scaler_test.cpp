// The present's conversion and scaling: nearest neighbour through the palette,
// into a buffer of its own or into rows of a wider image.
#include <gtest/gtest.h>

#include <vector>

#include "platform/draw/dd_surface.h"
#include "platform/draw/frame_scaler.h"

namespace {

using platform::TRect;

TEST(FrameScaler, ScalesByNearestNeighbourThroughThePalette) {
  platform::DDSurface frame(5, 3, 8, nullptr);  // pitch 8: padded rows
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) frame.data()[y * frame.pitch() + x] = uint8_t(10 * y + x);
  platform::PALETTEENTRY palette[256];
  for (int i = 0; i < 256; ++i) palette[i] = {uint8_t(i), uint8_t(i * 2), uint8_t(255 - i), 0};
  const platform::FrameView view{frame.data(), 5, 3, frame.pitch(), 8, palette};
  auto expected = [&](const TRect& s, int w, int h, int x, int y) {
    const int i = frame.data()[(s.Top + y * s.height() / h) * frame.pitch() + s.Left + x * s.width() / w];
    return (uint32_t(palette[i].peRed) << 16) | (uint32_t(palette[i].peGreen) << 8) | palette[i].peBlue;
  };
  const struct {
    const char* name;
    TRect source;
    int width, height;
  } cases[] = {
      {"same size", {0, 0, 5, 3}, 5, 3},
      {"three times", {0, 0, 5, 3}, 15, 9},
      {"not a whole factor", {0, 0, 5, 3}, 7, 5},
      {"part of the frame", {1, 1, 4, 3}, 6, 4},
      {"smaller", {0, 0, 5, 3}, 2, 2},
  };
  platform::FrameScaler scaler;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const uint32_t* own = scaler.render(view, c.source, c.width, c.height);
    std::vector<uint32_t> copy(own, own + c.width * c.height);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) ASSERT_EQ(copy[y * c.width + x], expected(c.source, c.width, c.height, x, y));
    // Into a wider image: the same pixels, and nothing written past each row.
    const int pitch = c.width + 3;
    std::vector<uint32_t> image(size_t(pitch) * c.height, 0xDEADBEEFu);
    scaler.renderInto(view, c.source, c.width, c.height, image.data(), pitch);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) ASSERT_EQ(image[y * pitch + x], copy[y * c.width + x]);
      for (int x = c.width; x < pitch; ++x) ASSERT_EQ(image[y * pitch + x], 0xDEADBEEFu);
    }
  }
}

}  // namespace
