#pragma once
// The 32 compass directions of sprite motion, in steps of 11.25 degrees measured
// clockwise from up: 0 up, 8 right, 16 down, 24 left (y grows downwards).
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "components/gkspts/fixed16.h"

constexpr int kDirectionCount = 32;

// Raw 16.16 values: DirX[d] = Round(sin(d x 11.25 deg) x 65536) at index d,
// DirY[d] = Round(-cos(d x 11.25 deg) x 65536) at index 32 + d.
extern const std::array<int32_t, 2 * kDirectionCount> DirectionTable;

// Raised for a direction outside 0..31 and for a sequence that cannot hold its frames.
class EGKSprite : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr bool validDirection(int d) { return d >= 0 && d < kDirectionCount; }
// Throws EGKSprite "Direction out of range (d)" unless d is 0..31.
void checkDirection(int d);

inline Fixed16 DirX(int d) { checkDirection(d); return Fixed16::fromRaw(DirectionTable[d]); }
inline Fixed16 DirY(int d) { checkDirection(d); return Fixed16::fromRaw(DirectionTable[kDirectionCount + d]); }
// The unit vector of direction d as Doubles.
inline double DirectionX(int d) { return DirX(d).toDouble(); }
inline double DirectionY(int d) { return DirY(d).toDouble(); }
