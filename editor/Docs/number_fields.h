#pragma once
// Whole numbers typed into the dialogs' edits, and the conversion error that the
// editor raises for any text that should be a whole number.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The conversion error raised for text that is not a whole number. what() is
// the system's English; Text is what was read, and Field the label of the
// dialog field that held it (empty when none is known).
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  EConvertError(const std::string& what, std::string text, std::string field = {})
      : std::runtime_error(what), Text(std::move(text)), Field(std::move(field)) {}
  std::string Text, Field;
};

// What the author reads in the box for it, in Spanish (Windows-1252).
std::string ConvertErrorText(const EConvertError& e);
// StrToInt for the dialog field labelled field: its error names the field.
int StrToIntOfField(std::string_view text, const char* field);

// The number in text (optional sign, decimal digits, or "$" and hex digits,
// blanks around it allowed, within int32); throws EConvertError
// "'<text>' is not a valid integer value" otherwise.
int StrToInt(std::string_view text);
// The number in text, or nothing when it is not one.
std::optional<int> TryStrToInt(std::string_view text);

// A number of an object line (its cell key, its kind) as every program reads
// it (ObjectLineInteger); anything else throws EConvertError. The dialogs'
// fields read typed numbers by StrToInt.
int ObjectLineNumber(std::string_view text);
