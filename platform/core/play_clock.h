#pragma once
// Play time: the tick count of the active clock with every stretch the game
// stood taken out. While the game stands (paused, its window not the active
// one, under one of its own menus or dialogs) play time does not advance, so
// whatever the game times by it (tick stamps, the one-second timer, sprite
// animations) waits and goes on afterwards as if nothing had happened. The
// clock is the one record of why the game stands. Frame pacing and the
// wall-clock parts of the platform read the real clock instead.
#include <cstdint>

namespace platform {

enum class StandReason : unsigned { Paused = 1, InBackground = 2, InMenu = 4, UnderDialog = 8 };

class PlayClock {
 public:
  // Milliseconds of play, 32-bit and wrapping like the tick count; equal to it
  // until the game first stands.
  uint32_t tickCount();
  // The game stands while any reason holds.
  void setStanding(StandReason reason, bool on);
  // No reason holds any more (whatever gave them is gone): play time goes on
  // from where it stood.
  void clearStanding();
  bool standing() const { return reasons_ != 0; }
  bool standingFor(StandReason reason) const { return (reasons_ & static_cast<unsigned>(reason)) != 0; }
  // A new time base (a clock installed): nothing stood, nothing holds.
  void reset();

 private:
  void setReasons(unsigned reasons);

  uint32_t stood_ = 0;       // milliseconds stood so far
  uint32_t standSince_ = 0;  // real tick when the current stand began
  unsigned reasons_ = 0;
};

PlayClock& playClock();
inline uint32_t PlayTickCount() { return playClock().tickCount(); }

}  // namespace platform
