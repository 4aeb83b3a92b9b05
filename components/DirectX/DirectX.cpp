#include "components/DirectX/DirectX.h"

#include <cstdio>

#include "components/DirectX/result_tables.h"

namespace {

const char* find(const std::vector<dx_tables::ResultRow>& rows, uint32_t code) {
  for (const auto& row : rows)
    if (row.code == code) return row.text;
  return nullptr;
}

}  // namespace

std::string DirectXErrorText(HResult code) {
  if (code == 0) return "No error";
  const auto ucode = uint32_t(code);
  if (const char* text = find(dx_tables::direct3D(), ucode)) return text;
  if (const char* text = find(dx_tables::directDraw(), ucode)) return text;
  if (const char* text = find(dx_tables::directInput(), ucode)) return text;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "Unrecognized Error: $%X", unsigned(ucode));
  return buffer;
}

EDirectX::EDirectX(HResult code)
    : std::runtime_error("\r\r" + DirectXErrorText(code) + "\r\r"), code_(code) {}

void DXCheck(HResult code) {
  if (code != 0) throw EDirectX(code);
}
