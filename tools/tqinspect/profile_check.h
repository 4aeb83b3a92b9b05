#pragma once
// Checks that a level, world-map or game file is profile text the programs can
// read, and keeps where each key stands for the error messages.
#include <optional>
#include <string>
#include <vector>

#include "platform/core/ini_file.h"

struct TProfileKey {
  std::string section;
  std::string name;
  std::string value;
  int line;  // from 1
};

struct TProfileText {
  platform::IniFile ini;
  std::vector<TProfileKey> keys;  // in file order
  std::vector<std::string> sections;
  // The first line of the key in the section, or nullptr.
  const TProfileKey* find(const std::string& section, const std::string& name) const;
  // The key's integer value; nothing when it is missing or not a number.
  std::optional<int> integer(const std::string& section, const std::string& name) const;
};

// Throws TInspectError for an empty or binary file and for a line that is neither
// blank, a comment, a section header nor a key line.
TProfileText ReadProfileText(const std::string& fileName);

// Throws TInspectError naming the line when a key that holds an integer does not.
// An empty value reads as the default and is accepted.
void CheckIntegerKeys(const TProfileText& text, const std::string& section, const std::vector<const char*>& names);
// Throws unless the key, when present, is a number within [low, high].
void CheckRange(const TProfileText& text, const std::string& section, const char* name, int low, int high);
