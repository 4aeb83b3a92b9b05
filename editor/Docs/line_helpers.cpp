#include "editor/Docs/line_helpers.h"

#include "game/ObjectLine/object_line.h"

std::string GetSection(std::string_view line) {
  size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string() : std::string(line.substr(0, eq));
}

std::string SetSection(std::string_view line, std::string_view newKey) {
  return std::string(newKey) + "=" + GetValue(line, -1);
}

std::optional<int> CellOfLine(std::string_view line) { return ObjectLineInteger(GetSection(line)); }
