// An image library (.iml) read as the screens read one.
#include <sstream>

#include "components/GKILib/TGKImages.h"
#include "fuzz/support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in{std::string(inputText(data, size))};
  TGKImages images;
  try {
    images.ReadFromStream(in);
  } catch (const EGKImages&) {
  }
  return 0;
}
