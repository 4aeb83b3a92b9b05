// The launcher's logo.
#include "fuzz/support/fuzz_support.h"
#include "platform/jpeg/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    platform::decodeJpeg(inputText(data, size));
  } catch (const platform::JpegError&) {
  }
  return 0;
}
