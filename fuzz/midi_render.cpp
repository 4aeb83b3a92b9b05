// A MIDI file played by the sounding device: opened, rendered by the
// synthesiser as the audio thread pulls it, sought as a loop seeks, and
// rendered again, for at most 1.6 s of sound.
#include <vector>

#include "fuzz/support/fuzz_support.h"
#include "platform/fluidsynth/fluid_music_device.h"

namespace {

// Pulls the mixer in 10 ms periods until the piece ends or `seconds` pass.
void pull(platform::SoundMixer& mixer, platform::FluidMusicDevice& device, double seconds) {
  constexpr size_t kPeriod = platform::kMixRate / 100;
  std::vector<int16_t> out(kPeriod * platform::kMixChannels);
  for (int i = 0; i < int(seconds * 100) && device.mode() == platform::MusicMode::Playing; ++i)
    mixer.mix(out.data(), kPeriod);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static platform::SoundMixer mixer;
  static platform::FluidMusicDevice device(mixer);  // the SoundFont is loaded once
  if (!device.open(writeProgramFile("music/fuzz_render.mid", inputText(data, size)))) return 0;
  device.play();
  pull(mixer, device, 1.0);
  device.takeCompletion();
  device.seek(device.length() / 2);
  device.play();
  pull(mixer, device, 0.5);
  device.seek(device.length());
  device.play();
  pull(mixer, device, 0.1);
  device.takeCompletion();
  device.close();
  return 0;
}
