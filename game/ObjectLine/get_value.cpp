#include "game/ObjectLine/get_value.h"

void GetValue(std::string_view Data, int N, std::string& Result) {
  size_t eq = Data.find('=');
  std::string_view value = eq == std::string_view::npos ? Data : Data.substr(eq + 1);
  if (N < 0) {
    Result.assign(value);
    return;
  }
  size_t start = 0;
  for (int field = 0; field < N; ++field) {
    size_t comma = value.find(',', start);
    if (comma == std::string_view::npos) {
      Result.clear();
      return;
    }
    start = comma + 1;
  }
  size_t end = value.find(',', start);
  Result.assign(value.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string GetValue(std::string_view Data, int N) {
  std::string result;
  GetValue(Data, N, result);
  return result;
}
