#include "platform/draw/frame_scaler.h"

#include <algorithm>
#include <cstring>

namespace platform {

const uint32_t* FrameScaler::render(const FrameView& frame, const TRect& source, int width, int height) {
  const int w = std::max(width, 0), h = std::max(height, 0);
  scaled_.resize(size_t(w) * h);
  renderInto(frame, source, w, h, scaled_.data(), w);
  return scaled_.data();
}

void FrameScaler::renderInto(const FrameView& frame, const TRect& source, int width, int height, uint32_t* out,
                             int outPitch) {
  const int sw = source.width(), sh = source.height();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (width_ == 0 || height_ == 0) return;
  if (sw <= 0 || sh <= 0) {
    for (int y = 0; y < height_; ++y) std::fill_n(out + ptrdiff_t(y) * outPitch, width_, 0u);
    return;
  }
  if (sw == width_ && sh == height_) {
    convertFrameTo32(frame, source, out, outPitch);
    return;
  }
  converted_.resize(size_t(sw) * sh);
  convertFrameTo32(frame, source, converted_.data(), sw);
  if (columnsWidth_ != width_ || columnsSource_ != sw) {
    columnsWidth_ = width_;
    columnsSource_ = sw;
    columns_.resize(size_t(width_));
    for (int x = 0; x < width_; ++x) columns_[x] = int(int64_t(x) * sw / width_);
  }
  int lastSourceRow = -1;
  for (int y = 0; y < height_; ++y) {
    const int sy = int(int64_t(y) * sh / height_);
    uint32_t* row = out + ptrdiff_t(y) * outPitch;
    if (sy == lastSourceRow) {
      std::memcpy(row, row - outPitch, size_t(width_) * 4);
      continue;
    }
    const uint32_t* in = converted_.data() + size_t(sy) * sw;
    if (width_ % sw == 0) {
      // Whole-number factors, the usual case: each pixel repeated k times.
      const int k = width_ / sw;
      for (int x = 0; x < sw; ++x) std::fill_n(row + x * k, k, in[x]);
    } else {
      for (int x = 0; x < width_; ++x) row[x] = in[columns_[x]];
    }
    lastSourceRow = sy;
  }
}

}  // namespace platform
