#include "editor/Docs/number_fields.h"

#include <cstdint>

#include "game/ObjectLine/object_line.h"

std::optional<int> TryStrToInt(std::string_view text) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < n && text[i] == '$') {
    base = 16;
    ++i;
  }
  if (i == n) return std::nullopt;
  int64_t value = 0;
  for (; i < n; ++i) {
    char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > int64_t(INT32_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return int(value);
}

int StrToInt(std::string_view text) {
  if (auto value = TryStrToInt(text)) return *value;
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value", std::string(text));
}

int StrToIntOfField(std::string_view text, const char* field) {
  try {
    return StrToInt(text);
  } catch (const EConvertError& e) {
    throw EConvertError(e.what(), e.Text, field);
  }
}

std::string ConvertErrorText(const EConvertError& e) {
  const std::string value = "\"" + e.Text + "\" no es un n\xFAmero entero v\xE1lido.";
  if (e.Field.empty()) return value;
  return "El campo \"" + e.Field + "\" debe tener un n\xFAmero entero: " + value;
}

int ObjectLineNumber(std::string_view text) {
  if (const std::optional<int> value = ObjectLineInteger(text)) return *value;
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value", std::string(text));
}
