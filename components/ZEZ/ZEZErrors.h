#pragma once
// The screen's, surfaces' and canvas's exceptions; each carries only its message.
#include <stdexcept>

class EGKScreen : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EGKSurface : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EGKCanvas : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
