#pragma once
// Where a flip shows its frame: the window of a screen. The Qt window presents
// on screen; HeadlessPresenter keeps the last frame for tests.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/draw/dd_types.h"
#include "platform/draw/geometry.h"

namespace platform {

// One frame to show: 8-bit indexed with its 256-entry palette, or 32-bit.
struct FrameView {
  const uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;
  int bitsPerPixel = 32;
  const PALETTEENTRY* palette = nullptr;
};

class Presenter {
 public:
  virtual ~Presenter() = default;
  // Shows the source rectangle of frame scaled onto dest, in the window's client
  // coordinates; in a full-screen display mode dest is the mode's whole area and
  // the window shows it scaled to the whole screen.
  virtual void present(const FrameView& frame, const TRect& source, const TRect& dest) = 0;
  // The window's client origin in screen coordinates.
  virtual TPoint clientOrigin() const { return {}; }
  // A full-screen display mode: the window becomes a borderless full-screen
  // window that shows frames of width x height.
  virtual void setDisplayMode(int width, int height, int bits) { (void)width, (void)height, (void)bits; }
  virtual void restoreDisplayMode() {}
};

// Converts the source rectangle of a frame to 0x00RRGGBB pixels (through the
// palette at 8 bits). out holds source.width() x source.height() pixels,
// outPitch pixels per row. The rectangle must lie inside the frame.
void convertFrameTo32(const FrameView& frame, const TRect& source, uint32_t* out, int outPitch);

// Keeps a copy of the last frame presented, converted to 32 bits, unscaled.
class HeadlessPresenter : public Presenter {
 public:
  void present(const FrameView& frame, const TRect& source, const TRect& dest) override;
  TPoint clientOrigin() const override { return origin; }
  void setDisplayMode(int width, int height, int bits) override;
  void restoreDisplayMode() override;

  // 0x00RRGGBB of a pixel of the last frame (source coordinates).
  uint32_t pixel(int x, int y) const { return frame[size_t(y) * frameWidth + x]; }

  TPoint origin{};
  std::vector<uint32_t> frame;
  int frameWidth = 0;
  int frameHeight = 0;
  TRect lastDest{};
  size_t presentCount = 0;
  bool fullScreen = false;
  int modeWidth = 0, modeHeight = 0, modeBits = 0;
};

}  // namespace platform
