#include "platform/core/random.h"

#include "platform/core/clock.h"

namespace platform {

uint32_t RandomSource::step() {
  // A linear congruential generator: cheap, and the same sequence for a seed everywhere.
  seed_ = seed_ * 134775813u + 1u;
  return seed_;
}

int RandomSource::next(int range) {
  if (range <= 0) return 0;
  return int((uint64_t(step()) * uint64_t(range)) >> 32);
}

double RandomSource::nextDouble() { return double(step()) / 4294967296.0; }

namespace {
RandomSource gRandom;
bool gSeedFixed = false;
}  // namespace

RandomSource& randomSource() { return gRandom; }

void Randomize() {
  if (!gSeedFixed) gRandom.seed(activeClock().tickCount());
}

void fixRandomSeed(uint32_t seed) {
  gRandom.seed(seed);
  gSeedFixed = true;
}

void unfixRandomSeed() { gSeedFixed = false; }

}  // namespace platform
