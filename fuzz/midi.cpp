// A MIDI file opened, sought and played to its end by the music device.
#include "fuzz/support/fuzz_support.h"
#include "platform/music/silent_music_device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::SilentMusicDevice device;
  if (!device.open(writeProgramFile("music/fuzz.mid", inputText(data, size)))) return 0;
  device.seek(device.length() / 2);
  device.seek(device.length() + 1);
  device.play();
  device.takeCompletion();
  return 0;
}
