#pragma once
// The one field splitter of object lines, shared by the game and the editor.
#include <string>
#include <string_view>

// Result := the text after the first '=' of Data (all of Data when it has none);
// for N >= 0 only its N-th comma-separated field (from 0, untrimmed, empty when
// the value has fewer fields). N = -1, or any other negative N, keeps the whole value.
void GetValue(std::string_view Data, int N, std::string& Result);
std::string GetValue(std::string_view Data, int N);
