#pragma once
// Helpers on object lines "key=value" shared by every editor window; the value
// splitter is the game's own GetValue.
#include <optional>
#include <string>
#include <string_view>

#include "game/ObjectLine/get_value.h"

// The text before the first '=' (empty when there is none: the whole line is value).
std::string GetSection(std::string_view line);
// NewKey, '=' and the line's old value.
std::string SetSection(std::string_view line, std::string_view newKey);
// The grid cell an object line stands in: the number its key names (row x
// 65536 + column, read by ObjectLineInteger as the game reads it), or nothing
// for a key that is no number, which stands in no cell.
std::optional<int> CellOfLine(std::string_view line);
