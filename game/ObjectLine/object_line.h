#pragma once
// An object line of a level's or a world map's [Sprites] as the game, the
// editor and tqinspect read it: "key=value", the key naming the object's grid
// cell and the value holding comma-separated fields (GetValue), the kind first
// and the visible flag second. Files store the key as the decimal
// row * 65536 + column; a key written in hexadecimal or with a sign names the
// same cell. The value comes through the profile layer, which drops one pair of
// quotes around it (platform::profileValue) in every read.
#include <optional>
#include <string_view>

#include "game/ObjectLine/get_value.h"

struct TObjectCell {
  int column = 0, row = 0;
};

// The key a file stores for a grid cell: row in the high 16 bits, column in the low 16.
constexpr int CellKey(int column, int row) { return row * 65536 + column; }
// The cell of a key's number: its low 16 bits are the column, its high 16 the row.
constexpr TObjectCell CellOfKeyNumber(int key) {
  const auto bits = static_cast<unsigned>(key);
  return {int(bits & 0xFFFF), int(bits >> 16)};
}

// A whole number of an object line (its key, its kind, a number field): leading
// blanks, an optional sign, then decimal digits or hexadecimal ones after "0x",
// "0X" or "$", within 32 bits (hexadecimal may spell all 32, read as negative).
// Nothing for any other text.
std::optional<int> ObjectLineInteger(std::string_view text);
// The cell a key names; nothing for a key that is no number, which names none.
std::optional<TObjectCell> CellOfKey(std::string_view key);
// The kind of an object line (its field 0); nothing when it is no number.
std::optional<int> KindOfObjectLine(std::string_view line);
// Field n of an object line as a number; def when it is empty or no number.
int ObjectFieldNumber(std::string_view line, int n, int def);
