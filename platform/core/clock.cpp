#include "platform/core/clock.h"

#include <chrono>
#include <thread>

namespace platform {

uint32_t SystemClock::tickCount() {
  using namespace std::chrono;
  return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SystemClock::sleep(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

namespace {
SystemClock gSystemClock;
Clock* gClock = &gSystemClock;
}  // namespace

Clock& activeClock() { return *gClock; }
void setClock(Clock* c) { gClock = c ? c : &gSystemClock; }

}  // namespace platform
