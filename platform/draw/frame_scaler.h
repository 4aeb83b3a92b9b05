#pragma once
// Turns a presented frame into 32-bit pixels of the size it is shown at: 8-bit
// frames go through their palette first, then the frame is scaled by nearest
// neighbour, copying repeated rows whole. Drawing the result needs no scaling.
#include <cstdint>
#include <vector>

#include "platform/draw/presenter.h"

namespace platform {

class FrameScaler {
 public:
  // Renders source of frame at width x height; returns the pixels (width per row),
  // valid until the next call.
  const uint32_t* render(const FrameView& frame, const TRect& source, int width, int height);
  // The same into out, whose rows are outPitch pixels apart (outPitch >= width),
  // so that a window can render straight into the image it paints.
  void renderInto(const FrameView& frame, const TRect& source, int width, int height, uint32_t* out,
                  int outPitch);
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  std::vector<uint32_t> converted_;
  std::vector<uint32_t> scaled_;
  std::vector<int> columns_;  // source column of each output column
  int columnsWidth_ = -1, columnsSource_ = -1;
  int width_ = 0, height_ = 0;
};

}  // namespace platform
