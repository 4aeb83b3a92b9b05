#include "game/frmMain/frame_pacer.h"

#include <cmath>

namespace {

// Sleeps until at least `period` ms have passed since `start` (wrap-safe): to
// the start of the first whole millisecond at or after the deadline, so that the
// frame begins as the clock reaches it and not up to a millisecond later.
uint32_t waitUntil(platform::Clock& clock, uint32_t start, double period) {
  const uint32_t deadline = start + static_cast<uint32_t>(std::ceil(period));
  for (;;) {
    const uint32_t now = clock.timeGetTime();
    if (static_cast<double>(now - start) >= period) return now;
    clock.sleepUntil(deadline);
  }
}

}  // namespace

uint32_t waitForFramePeriod(platform::Clock& clock, uint32_t lastFrameEnd, int targetFPS) {
  return waitUntil(clock, lastFrameEnd, 1000.0 / targetFPS);
}

uint32_t waitForFrameDelay(platform::Clock& clock, int frameDelay) {
  const uint32_t start = clock.timeGetTime();
  if (frameDelay <= 0) return start;
  return waitUntil(clock, start, frameDelay);
}
