// A profile file read every way the programs read one, then written back.
#include "fuzz/support/fuzz_support.h"
#include "platform/core/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::IniFile ini;
  ini.loadFromText(inputText(data, size));
  for (const std::string& section : ini.readSections()) {
    for (const std::string& key : ini.readSection(section)) {
      ini.readString(section, key, "");
      ini.readInteger(section, key, 0);
      ini.readBool(section, key, false);
    }
    ini.readSectionValues(section);
  }
  ini.loadFromText(ini.toText());
  return 0;
}
