// The map library's stream, read and written back.
#include <sstream>

#include "components/ZEZMap/ZEZMap.h"
#include "fuzz/support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in{std::string(inputText(data, size))};
  TGKMaps maps;
  try {
    maps.ReadFromStream(in);
  } catch (const EGKMaps&) {
    return 0;
  }
  std::ostringstream out;
  maps.WriteToStream(out);
  return 0;
}
