#pragma once
// DirectX result codes as English text, and the exception that carries them.
// Our platform layer has no DirectX libraries to bind at start: the drawing,
// sound and input services are linked in, so only the result texts remain.
#include <cstdint>
#include <stdexcept>
#include <string>

using HResult = int32_t;

// "No error" for 0; otherwise the Direct3D, DirectDraw and DirectInput tables
// are asked in that order; an unknown code gives "Unrecognized Error: $<hex>".
std::string DirectXErrorText(HResult code);

// Message: two carriage returns, the code's text, two carriage returns.
class EDirectX : public std::runtime_error {
 public:
  explicit EDirectX(HResult code);
  HResult Code() const { return code_; }

 private:
  HResult code_;
};

// Throws EDirectX for any non-zero code, positive success codes included.
void DXCheck(HResult code);
