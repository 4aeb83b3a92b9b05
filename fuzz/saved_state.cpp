// A saved state (Default.tqs) opened in the running game, which then plays on.
#include "fuzz/support/fuzz_support.h"
#include "game/frmMain/pending_screens.h"
#include "tools/tqrun/level_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzGame();
  writeProgramFile("Default.tqs", inputText(data, size));
  LoadSavedState();
  runFrames(3);
  return 0;
}
