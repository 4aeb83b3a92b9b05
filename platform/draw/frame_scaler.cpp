#include "platform/draw/frame_scaler.h"

#include <algorithm>
#include <cstring>

namespace platform {

const uint32_t* FrameScaler::render(const FrameView& frame, const TRect& source, int width, int height) {
  const int sw = source.width(), sh = source.height();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  scaled_.resize(size_t(width_) * height_);
  if (sw <= 0 || sh <= 0 || width_ == 0 || height_ == 0) {
    std::fill(scaled_.begin(), scaled_.end(), 0u);
    return scaled_.data();
  }
  converted_.resize(size_t(sw) * sh);
  convertFrameTo32(frame, source, converted_.data(), sw);
  if (sw == width_ && sh == height_) {
    std::memcpy(scaled_.data(), converted_.data(), scaled_.size() * 4);
    return scaled_.data();
  }
  if (columnsWidth_ != width_ || columnsSource_ != sw) {
    columnsWidth_ = width_;
    columnsSource_ = sw;
    columns_.resize(size_t(width_));
    for (int x = 0; x < width_; ++x) columns_[x] = int(int64_t(x) * sw / width_);
  }
  int lastSourceRow = -1;
  for (int y = 0; y < height_; ++y) {
    const int sy = int(int64_t(y) * sh / height_);
    uint32_t* out = scaled_.data() + size_t(y) * width_;
    if (sy == lastSourceRow) {
      std::memcpy(out, out - width_, size_t(width_) * 4);
      continue;
    }
    const uint32_t* in = converted_.data() + size_t(sy) * sw;
    if (width_ % sw == 0) {
      // Whole-number factors, the usual case: each pixel repeated k times.
      const int k = width_ / sw;
      for (int x = 0; x < sw; ++x) std::fill_n(out + x * k, k, in[x]);
    } else {
      for (int x = 0; x < width_; ++x) out[x] = in[columns_[x]];
    }
    lastSourceRow = sy;
  }
  return scaled_.data();
}

}  // namespace platform
