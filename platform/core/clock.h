#pragma once
// The system tick count and the multimedia millisecond clock, behind one injectable
// clock so that tests drive time.
#include <cstdint>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start, 32-bit, wrapping.
  virtual uint32_t tickCount() = 0;
  // The multimedia timer's millisecond clock (the same time base here).
  virtual uint32_t timeGetTime() { return tickCount(); }
  // Waits ms milliseconds (a fake clock advances instead).
  virtual void sleep(uint32_t ms) = 0;
  // Waits until tickCount() reads tick (at once when it already has, modulo the
  // wrap). The system clock wakes at the start of that millisecond, where a
  // sleep of whole milliseconds from the middle of one wakes up to 1 ms late.
  virtual void sleepUntil(uint32_t tick) {
    const int32_t ahead = static_cast<int32_t>(tick - tickCount());
    if (ahead > 0) sleep(static_cast<uint32_t>(ahead));
  }
};

class SystemClock final : public Clock {
 public:
  uint32_t tickCount() override;
  void sleep(uint32_t ms) override;
  void sleepUntil(uint32_t tick) override;
};

// Time moves only when told; sleep advances it.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(uint32_t start = 0) : now_(start) {}
  uint32_t tickCount() override { return now_; }
  void sleep(uint32_t ms) override { now_ += ms; }
  void advance(uint32_t ms) { now_ += ms; }
  void set(uint32_t ms) { now_ = ms; }

 private:
  uint32_t now_;
};

// The clock every caller reads; the system clock unless one is installed.
Clock& activeClock();
void setClock(Clock* clock);  // nullptr restores the system clock; play time starts over

// The real clock, for frame pacing and the platform's wall-clock parts; what the
// game times reads play time instead (platform/core/play_clock.h).
inline uint32_t GetTickCount() { return activeClock().tickCount(); }
inline uint32_t timeGetTime() { return activeClock().timeGetTime(); }

// Installs a clock for the lifetime of a scope (tests).
class ScopedClock {
 public:
  explicit ScopedClock(Clock& c) { setClock(&c); }
  ~ScopedClock() { setClock(nullptr); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;
};

}  // namespace platform
