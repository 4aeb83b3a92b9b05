// The player settings file Hopz.ini, read by the main window when it is created
// (the language it names and the display it asks for) and written back when it goes.
#include "fuzz/support/fuzz_support.h"
#include "game/frmMain/frmMain.h"
#include "platform/app/form.h"
#include "platform/core/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::setProgramFolder(fuzzProgramFolder());
  writeProgramFile("Hopz.ini", inputText(data, size));
  platform::HeadlessForm form{640, 480};
  TfmMain window(form);
  window.FormCreate();
  window.FormDestroy();
  return 0;
}
