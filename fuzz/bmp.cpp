// A Windows bitmap, as the backgrounds and the editor's pictures are read.
#include "fuzz/support/fuzz_support.h"
#include "platform/core/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    platform::decodeBmp(inputText(data, size));
  } catch (const platform::BmpError&) {
  }
  return 0;
}
