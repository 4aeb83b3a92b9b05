#pragma once
// Frame pacing: each frame starts no sooner than the period after the previous
// frame's end. The wait sleeps to the millisecond the deadline falls in and
// re-reads the clock, so the deadline is kept without spinning a processor core.
#include <cstdint>

#include "platform/core/clock.h"

// Waits until (now - lastFrameEnd) >= 1000.0 / targetFPS; returns the time read
// when the wait ended. targetFPS must be positive.
uint32_t waitForFramePeriod(platform::Clock& clock, uint32_t lastFrameEnd, int targetFPS);
// Waits frameDelay ms from now (0: no wait); returns the time read at the end.
uint32_t waitForFrameDelay(platform::Clock& clock, int frameDelay);
