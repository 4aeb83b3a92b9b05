#include "platform/core/play_clock.h"

#include "platform/core/clock.h"

namespace platform {

uint32_t PlayClock::tickCount() { return (standing() ? standSince_ : GetTickCount()) - stood_; }

void PlayClock::setStanding(StandReason reason, bool on) {
  const unsigned bit = static_cast<unsigned>(reason);
  setReasons(on ? reasons_ | bit : reasons_ & ~bit);
}

void PlayClock::clearStanding() { setReasons(0); }

void PlayClock::setReasons(unsigned reasons) {
  if ((reasons != 0) == standing()) {
    reasons_ = reasons;
    return;
  }
  if (reasons != 0)
    standSince_ = GetTickCount();
  else
    stood_ += GetTickCount() - standSince_;
  reasons_ = reasons;
}

void PlayClock::reset() {
  stood_ = standSince_ = 0;
  reasons_ = 0;
}

PlayClock& playClock() {
  static PlayClock clock;
  return clock;
}

}  // namespace platform
