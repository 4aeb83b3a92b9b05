// A level file read and built into sprites as tqrun builds one, then played.
#include "fuzz/support/fuzz_support.h"
#include "tools/tqrun/level_run.h"
#include "tools/tqrun/run_options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TLevelRun& game = fuzzGame();
  try {
    game.StartLevel(writeProgramFile("levels/fuzz.tql", inputText(data, size)));
  } catch (const ERunArgument&) {
    return 0;  // builds no level
  }
  runFrames(10);
  return 0;
}
