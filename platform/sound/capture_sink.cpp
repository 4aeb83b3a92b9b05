#include "platform/sound/capture_sink.h"

#include <cmath>
#include <cstdlib>

namespace platform {

void CaptureSink::pull(size_t frames) {
  const size_t at = samples_.size();
  samples_.resize(at + frames * kMixChannels);
  mixer_.mix(samples_.data() + at, frames);
}

int CaptureSink::peak(int channel, size_t from, size_t to) const {
  if (to == 0 || to > frames()) to = frames();
  int best = 0;
  for (size_t f = from; f < to; ++f) best = std::max(best, std::abs(int(samples_[f * kMixChannels + channel])));
  return best;
}

double CaptureSink::rms(int channel, size_t from, size_t to) const {
  if (to == 0 || to > frames()) to = frames();
  if (to <= from) return 0.0;
  double sum = 0.0;
  for (size_t f = from; f < to; ++f) {
    const double s = samples_[f * kMixChannels + channel];
    sum += s * s;
  }
  return std::sqrt(sum / double(to - from));
}

size_t CaptureSink::audibleFrames() const {
  for (size_t f = frames(); f > 0; --f)
    if (left(f - 1) != 0 || right(f - 1) != 0) return f;
  return 0;
}

}  // namespace platform
