// A sound library (.sdl) read as the audio component reads one.
#include <sstream>

#include "components/gkslib/TGKSounds.h"
#include "fuzz/support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in{std::string(inputText(data, size))};
  TGKSounds sounds;
  try {
    sounds.ReadFromStream(in);
  } catch (const EGKSounds&) {
  }
  return 0;
}
