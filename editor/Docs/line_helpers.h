#pragma once
// Helpers on object lines "key=value" shared by every editor window; the value
// splitter is the game's own GetValue.
#include <string>
#include <string_view>

#include "game/Game/get_value.h"

// The text before the first '=' (empty when there is none: the whole line is value).
std::string GetSection(std::string_view line);
// NewKey, '=' and the line's old value.
std::string SetSection(std::string_view line, std::string_view newKey);
