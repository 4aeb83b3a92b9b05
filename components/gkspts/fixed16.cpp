#include "components/gkspts/fixed16.h"

#include <cmath>
#include <stdexcept>

int32_t Fixed16::fromDouble(double value) {
  // nearbyint rounds to nearest with ties to even in the default rounding mode.
  double r = std::nearbyint(value * 65536.0);
  if (!std::isfinite(r)) return 0;
  // Within 32 bits the wrap below leaves the value as it is.
  if (r >= -2147483648.0 && r < 2147483648.0) return static_cast<int32_t>(r);
  r = std::fmod(r, 4294967296.0);  // exact; keeps |r| below 2^32
  return wrap(static_cast<uint32_t>(static_cast<int64_t>(r)));
}

Fixed16 operator/(Fixed16 a, Fixed16 b) {
  if (b.raw_ == 0) throw std::domain_error("Fixed-point division by zero");
  // |a| < 2^31, so a x 65536 fits in 48 bits and the quotient in 48 bits.
  const int64_t q = (static_cast<int64_t>(a.raw_) * 65536) / b.raw_;
  return Fixed16::fromBits(static_cast<uint32_t>(static_cast<uint64_t>(q)));
}

Fixed16 Fixed16::divide(Fixed16 a, int64_t n) {
  if (n == 0) throw std::domain_error("Fixed-point division by zero");
  const int64_t q = static_cast<int64_t>(a.raw_) / n;  // INT32_MIN / -1 fits in 64 bits
  return Fixed16::fromBits(static_cast<uint32_t>(static_cast<uint64_t>(q)));
}
