#pragma once
// The text page: the file's text with the section heads and the values
// coloured, as the rich-text editor shows it.
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw/geometry.h"

// A bold, coloured stretch of the shown text (character positions).
struct TTextRun {
  int Start = 0;
  int Length = 0;
  platform::TColor Color = 0;
  bool operator==(const TTextRun&) const = default;
};

inline constexpr platform::TColor kTextHeadColor = 0xFF0000;   // blue
inline constexpr platform::TColor kTextValueColor = 0x008000;  // green

// The text as the editor shows it: CR LF and lone CR become one line break.
std::string TextViewText(std::string_view fileText);
// The runs to colour in shown text: its first 9 characters, the first
// "[Sprites]", and on every line with "=" what follows the first "=".
std::vector<TTextRun> TextViewRuns(std::string_view shownText);
