// A world-map file read and built as the game opens one, then shown.
#include "fuzz/support/fuzz_support.h"
#include "game/Map/world_map.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzGame();
  OpenWorldFile(writeProgramFile("worlds/fuzz.tqw", inputText(data, size)));
  runFrames(10);
  return 0;
}
