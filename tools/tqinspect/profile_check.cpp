#include "tools/tqinspect/profile_check.h"

#include <climits>

#include "platform/core/paths.h"
#include "tools/tqinspect/inspect.h"

namespace {

std::string trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

std::string lineError(int line, const std::string& why) { return "line " + std::to_string(line) + ": " + why; }

}  // namespace

const TProfileKey* TProfileText::find(const std::string& section, const std::string& name) const {
  for (const TProfileKey& key : keys)
    if (platform::sameText(key.section, section) && platform::sameText(key.name, name)) return &key;
  return nullptr;
}

TProfileText ReadProfileText(const std::string& fileName) {
  std::string bytes = ReadFileBytes(fileName);
  if (bytes.empty()) throw TInspectError("the file is empty");
  // A binary file is told as such, not by its first odd-looking line.
  int textLine = 1;
  for (char c : bytes) {
    if (c == '\n') ++textLine;
    else if (static_cast<unsigned char>(c) < 32 && c != '\t' && c != '\r')
      throw TInspectError(lineError(textLine, "binary data, not text"));
  }
  TProfileText text;
  std::string section;
  int lineNumber = 0;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string_view raw(bytes.data() + start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    std::string line = trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      if (close == std::string::npos)
        throw TInspectError(lineError(lineNumber, "section header without its closing ']'"));
      section = trim(line.substr(1, close - 1));
      text.sections.push_back(section);
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) throw TInspectError(lineError(lineNumber, "neither a section, a key line nor a comment"));
    if (section.empty()) throw TInspectError(lineError(lineNumber, "key line outside any section"));
    std::string name = trim(line.substr(0, eq));
    if (name.empty()) throw TInspectError(lineError(lineNumber, "key line without a key"));
    text.keys.push_back({section, name, trim(line.substr(eq + 1)), lineNumber});
  }
  text.ini.loadFromText(bytes);
  return text;
}

std::optional<int> TProfileText::integer(const std::string& section, const std::string& name) const {
  // The profile reader gives the default for anything that is not a number.
  int a = ini.readInteger(section, name, INT_MIN), b = ini.readInteger(section, name, INT_MAX);
  if (a == INT_MIN && b == INT_MAX) return std::nullopt;
  return a;
}

void CheckIntegerKeys(const TProfileText& text, const std::string& section, const std::vector<const char*>& names) {
  for (const char* name : names) {
    const TProfileKey* key = text.find(section, name);
    if (key && !key->value.empty() && !text.integer(section, name))
      throw TInspectError(lineError(key->line, std::string(name) + " \"" + key->value + "\" is not a number"));
  }
}

void CheckRange(const TProfileText& text, const std::string& section, const char* name, int low, int high) {
  const TProfileKey* key = text.find(section, name);
  std::optional<int> value = text.integer(section, name);
  if (!key || !value) return;
  if (*value < low || *value > high)
    throw TInspectError(lineError(key->line, std::string(name) + " " + std::to_string(*value) + " is outside " +
                                                 std::to_string(low) + ".." + std::to_string(high)));
}
