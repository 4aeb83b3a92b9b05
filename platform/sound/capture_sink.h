#pragma once
// Records what the mixer would send to the speakers: tests pull the mixer
// directly, frame by frame, with no device and no thread.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sound/sound_mixer.h"

namespace platform {

class CaptureSink {
 public:
  explicit CaptureSink(SoundMixer& mixer) : mixer_(mixer) {}

  // Mixes frames more and appends them to the recording.
  void pull(size_t frames);
  void pullSeconds(double seconds) { pull(size_t(seconds * kMixRate + 0.5)); }
  void clear() { samples_.clear(); }

  // Interleaved left, right.
  const std::vector<int16_t>& samples() const { return samples_; }
  size_t frames() const { return samples_.size() / kMixChannels; }
  int16_t left(size_t frame) const { return samples_[frame * kMixChannels]; }
  int16_t right(size_t frame) const { return samples_[frame * kMixChannels + 1]; }

  // Of one channel (0 left, 1 right) over [from, to) frames (to = 0: the end).
  int peak(int channel, size_t from = 0, size_t to = 0) const;
  double rms(int channel, size_t from = 0, size_t to = 0) const;
  // Frames recorded up to and with the last frame that is not silent.
  size_t audibleFrames() const;

 private:
  SoundMixer& mixer_;
  std::vector<int16_t> samples_;
};

}  // namespace platform
