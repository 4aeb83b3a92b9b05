#pragma once
// The result-code tables behind DirectXErrorText, in the order they are asked.
#include <cstdint>
#include <vector>

namespace dx_tables {

struct ResultRow {
  uint32_t code;
  const char* text;
};

const std::vector<ResultRow>& direct3D();
const std::vector<ResultRow>& directDraw();
const std::vector<ResultRow>& directInput();

}  // namespace dx_tables
