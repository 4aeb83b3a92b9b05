#include "game/frmMain/frame_pacer.h"

#include <cmath>

namespace {

// Sleeps until at least `period` ms have passed since `start` (wrap-safe).
uint32_t waitUntil(platform::Clock& clock, uint32_t start, double period) {
  for (;;) {
    const uint32_t now = clock.timeGetTime();
    const double elapsed = static_cast<double>(now - start);
    if (elapsed >= period) return now;
    clock.sleep(static_cast<uint32_t>(std::ceil(period - elapsed)));
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
