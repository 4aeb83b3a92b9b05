#include "game/frmMain/timer.h"

#include "platform/core/play_clock.h"

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (value) start_ = platform::PlayTickCount();
}

void TTimer::Poll() {
  if (!enabled_ || Interval <= 0) return;
  const uint32_t now = platform::PlayTickCount();
  if (now - start_ < static_cast<uint32_t>(Interval)) return;
  // Keep the beat; after a long stall start over from now instead of catching up.
  start_ = now - start_ >= 2u * static_cast<uint32_t>(Interval) ? now : start_ + static_cast<uint32_t>(Interval);
  if (OnTimer) OnTimer(*this);
}
