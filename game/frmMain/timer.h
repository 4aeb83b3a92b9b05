#pragma once
// A window timer without a window: while enabled it fires OnTimer every
// Interval ms of play time, so it stands while the game stands. The host calls Poll from its event loop;
// enabling it (again) starts a fresh interval.
#include <cstdint>
#include <functional>

class TTimer {
 public:
  std::function<void(TTimer& sender)> OnTimer;
  int Interval = 1000;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // Fires at most once per call, so a late poll never bursts several ticks.
  void Poll();

 private:
  bool enabled_ = false;
  uint32_t start_ = 0;
};
