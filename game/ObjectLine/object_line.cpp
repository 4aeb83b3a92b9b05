#include "game/ObjectLine/object_line.h"

#include <cstdint>

std::optional<int> ObjectLineInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  if (negative) value = -value;
  // Hexadecimal may spell the whole 32 bits, as a negative number.
  if (base == 16 && value > INT32_MAX) value -= 0x100000000LL;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return int(value);
}

std::optional<TObjectCell> CellOfKey(std::string_view key) {
  const std::optional<int> number = ObjectLineInteger(key);
  if (!number) return std::nullopt;
  return CellOfKeyNumber(*number);
}

std::optional<int> KindOfObjectLine(std::string_view line) { return ObjectLineInteger(GetValue(line, 0)); }

int ObjectFieldNumber(std::string_view line, int n, int def) { return ObjectLineInteger(GetValue(line, n)).value_or(def); }
