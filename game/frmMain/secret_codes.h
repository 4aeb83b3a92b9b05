#pragma once
// The secret codes typed during secret-code entry, in the order they are compared.
#include <array>
#include <string_view>

struct TSecretCode {
  std::string_view Code;
  void (*Apply)();
};

constexpr int SecretCodeCount = 27;
extern const std::array<TSecretCode, SecretCodeCount> SecretCodes;

// Level kinds that the freeze codes stop and start again.
bool IsFreezableKind(int kind);

// Applies every code equal to Text; false when none is.
bool ApplySecretCode(std::string_view Text);
