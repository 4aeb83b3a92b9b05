#include "platform/draw/presenter.h"

#include <cstring>

namespace platform {

void convertFrameTo32(const FrameView& frame, const TRect& source, uint32_t* out, int outPitch) {
  const int w = source.width(), h = source.height();
  if (frame.bitsPerPixel == 8) {
    // One lookup table per frame, then a straight table walk per pixel.
    uint32_t lut[256];
    for (int i = 0; i < 256; ++i) {
      const PALETTEENTRY e = frame.palette ? frame.palette[i] : PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0};
      lut[i] = (uint32_t(e.peRed) << 16) | (uint32_t(e.peGreen) << 8) | e.peBlue;
    }
    for (int y = 0; y < h; ++y) {
      const uint8_t* s = frame.pixels + ptrdiff_t(source.Top + y) * frame.pitch + source.Left;
      uint32_t* d = out + ptrdiff_t(y) * outPitch;
      for (int x = 0; x < w; ++x) d[x] = lut[s[x]];
    }
    return;
  }
  for (int y = 0; y < h; ++y)
    std::memcpy(out + ptrdiff_t(y) * outPitch,
                frame.pixels + ptrdiff_t(source.Top + y) * frame.pitch + ptrdiff_t(source.Left) * 4,
                size_t(w) * 4);
}

void HeadlessPresenter::present(const FrameView& f, const TRect& source, const TRect& dest) {
  frameWidth = source.width();
  frameHeight = source.height();
  frame.assign(size_t(frameWidth) * frameHeight, 0);
  convertFrameTo32(f, source, frame.data(), frameWidth);
  lastDest = dest;
  ++presentCount;
}

void HeadlessPresenter::setDisplayMode(int width, int height, int bits) {
  fullScreen = true;
  modeWidth = width;
  modeHeight = height;
  modeBits = bits;
}

void HeadlessPresenter::restoreDisplayMode() {
  fullScreen = false;
  modeWidth = modeHeight = modeBits = 0;
}

}  // namespace platform
