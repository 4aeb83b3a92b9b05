#include "platform/core/clock.h"

#include <chrono>
#include <thread>

#include "platform/core/play_clock.h"

namespace platform {

uint32_t SystemClock::tickCount() {
  using namespace std::chrono;
  return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SystemClock::sleep(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void SystemClock::sleepUntil(uint32_t tick) {
  using namespace std::chrono;
  const int64_t nowMs = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  const int32_t ahead = static_cast<int32_t>(tick - static_cast<uint32_t>(nowMs));
  if (ahead <= 0) return;
  // tickCount() is the steady clock in whole milliseconds: it reads `tick` from
  // the start of millisecond nowMs + ahead.
  std::this_thread::sleep_until(steady_clock::time_point(milliseconds(nowMs + ahead)));
}

namespace {
SystemClock gSystemClock;
Clock* gClock = &gSystemClock;
}  // namespace

Clock& activeClock() { return *gClock; }
void setClock(Clock* c) {
  gClock = c ? c : &gSystemClock;
  playClock().reset();  // its stands were measured on the old clock
}

}  // namespace platform
