#pragma once
// Whole numbers typed into the dialogs' edits, and the conversion error that the
// editor raises for any text that should be a whole number.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The conversion error shown for text that is not a whole number.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The number in text (optional sign, decimal digits, or "$" and hex digits,
// blanks around it allowed, within int32); throws EConvertError
// "'<text>' is not a valid integer value" otherwise.
int StrToInt(std::string_view text);
// The number in text, or nothing when it is not one.
std::optional<int> TryStrToInt(std::string_view text);
