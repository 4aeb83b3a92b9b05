#pragma once
// 16.16 fixed point: a signed 32-bit value whose upper 16 bits are the whole part
// and lower 16 bits the fraction (65536 = 1.0). Sprite positions, velocities,
// speeds and accelerations use it. All arithmetic wraps modulo 2^32, as the
// 32-bit registers it stands for do, and never overflows a signed type.
#include <compare>
#include <concepts>
#include <cstdint>

class Fixed16 {
 public:
  static constexpr int32_t kOne = 65536;

  constexpr Fixed16() = default;
  // A whole number of pixels: whole part := value, fraction 0. Like a sprite
  // coordinate, the whole part is 16 bits: 70000 becomes 4464.
  template <std::integral T>
  constexpr Fixed16(T whole) : raw_(wrap(static_cast<uint32_t>(static_cast<uint16_t>(whole)) << 16)) {}
  // Round(value x 65536) to nearest, ties to even; wraps like the integral types.
  template <std::floating_point T>
  Fixed16(T value) : raw_(fromDouble(static_cast<double>(value))) {}

  static constexpr Fixed16 fromRaw(int32_t raw) {
    Fixed16 f;
    f.raw_ = raw;
    return f;
  }
  constexpr int32_t raw() const { return raw_; }

  // The signed 16-bit whole part (rounds towards minus infinity).
  constexpr int16_t whole() const { return static_cast<int16_t>(static_cast<uint32_t>(raw_) >> 16); }
  constexpr uint16_t fraction() const { return static_cast<uint16_t>(static_cast<uint32_t>(raw_)); }
  // The whole part plus 1 when the fraction is 0.5 or more: 3.5 -> 4, -3.5 -> -3.
  constexpr int round() const { return whole() + (fraction() > 32767 ? 1 : 0); }
  double toDouble() const { return raw_ / 65536.0; }

  friend constexpr Fixed16 operator+(Fixed16 a, Fixed16 b) { return fromBits(bits(a) + bits(b)); }
  friend constexpr Fixed16 operator-(Fixed16 a, Fixed16 b) { return fromBits(bits(a) - bits(b)); }
  constexpr Fixed16 operator-() const { return fromBits(0u - bits(*this)); }
  // 16.16 product, wrapped to 32 bits.
  friend constexpr Fixed16 operator*(Fixed16 a, Fixed16 b) {
    const int64_t p = static_cast<int64_t>(a.raw_) * b.raw_;
    return fromBits(static_cast<uint32_t>(static_cast<uint64_t>(p >> 16)));
  }
  // Scaling by a whole count keeps the count's full range.
  // (A template, so that a Double argument takes the 16.16 product instead.)
  template <std::integral T>
  friend constexpr Fixed16 operator*(Fixed16 a, T n) {
    return fromBits(bits(a) * static_cast<uint32_t>(n));
  }
  template <std::integral T>
  friend constexpr Fixed16 operator*(T n, Fixed16 a) { return a * n; }
  // 16.16 quotient, truncated towards zero and wrapped; throws on division by zero.
  friend Fixed16 operator/(Fixed16 a, Fixed16 b);
  template <std::integral T>
  friend Fixed16 operator/(Fixed16 a, T n) { return divide(a, static_cast<int64_t>(n)); }

  constexpr Fixed16& operator+=(Fixed16 o) { return *this = *this + o; }
  constexpr Fixed16& operator-=(Fixed16 o) { return *this = *this - o; }
  constexpr Fixed16& operator*=(Fixed16 o) { return *this = *this * o; }
  template <std::integral T>
  constexpr Fixed16& operator*=(T n) { return *this = *this * n; }

  friend constexpr bool operator==(Fixed16 a, Fixed16 b) { return a.raw_ == b.raw_; }
  friend constexpr std::strong_ordering operator<=>(Fixed16 a, Fixed16 b) { return a.raw_ <=> b.raw_; }

 private:
  static constexpr int32_t wrap(uint32_t bits) { return static_cast<int32_t>(bits); }
  static constexpr uint32_t bits(Fixed16 f) { return static_cast<uint32_t>(f.raw_); }
  static constexpr Fixed16 fromBits(uint32_t b) { return fromRaw(wrap(b)); }
  static int32_t fromDouble(double value);
  static Fixed16 divide(Fixed16 a, int64_t n);

  int32_t raw_ = 0;
};
