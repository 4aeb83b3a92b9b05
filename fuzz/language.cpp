// A language file, applied by the launcher and by the game's main window.
#include "fuzz/support/fuzz_support.h"
#include "game/frmInit/frmInit.h"
#include "game/frmMain/frmMain.h"
#include "tools/tqrun/level_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TLevelRun& game = fuzzGame();
  writeProgramFile("Languages/Fuzz.ini", inputText(data, size));
  TfmInit launcher({});
  launcher.ApplyLanguage("Fuzz");
  game.Main().LoadLanguage("Fuzz");
  return 0;
}
