#pragma once
// The sound device: SDL2's audio output (audio subsystem only) at 44100 Hz,
// 16-bit stereo, fed by the mixer from SDL's audio thread. Without a device the
// program runs silently: open() says so in one line on stderr and returns false.
#include "platform/sound/sound_mixer.h"

namespace platform {

class SdlAudioOutput {
 public:
  explicit SdlAudioOutput(SoundMixer& mixer);
  ~SdlAudioOutput();
  SdlAudioOutput(const SdlAudioOutput&) = delete;
  SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

  bool open();
  void close();
  bool isOpen() const { return device_ != 0; }

 private:
  static void callback(void* self, unsigned char* stream, int bytes);

  SoundMixer& mixer_;
  unsigned device_ = 0;
  bool subsystem_ = false;
};

}  // namespace platform
