#pragma once
// Tick stamps: the play time at a moment, or a deadline (now plus a delay),
// kept in a signed 32-bit field where -1 means none. Play time stands while the
// game stands (platform/core/play_clock.h), so no stamp ages under a pause. It
// wraps like the tick count, every 49.7 days, and reads negative in such a
// field for half of that time, so a stamp is only ever compared through
// MsSince: a difference modulo 2^32, with none read as long ago.
#include <cstdint>
#include <limits>

#include "platform/core/play_clock.h"

namespace platform {

constexpr int32_t NoStamp = -1;

// The stamp of now plus delayMs (a negative delay: a moment that far back). A
// moment whose tick reads as -1 is stamped 1 ms earlier, not taken for none.
inline int32_t StampIn(int32_t delayMs) {
  const int32_t stamp = static_cast<int32_t>(PlayTickCount() + static_cast<uint32_t>(delayMs));
  return stamp == NoStamp ? NoStamp - 1 : stamp;
}
inline int32_t StampNow() { return StampIn(0); }

// Milliseconds from the stamp to now: negative before a deadline, and the
// largest value for none, so that "more than n ms since" holds for any n.
inline int32_t MsSince(int32_t stamp) {
  if (stamp == NoStamp) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(PlayTickCount() - static_cast<uint32_t>(stamp));
}

}  // namespace platform
