#pragma once
// One seedable source for every random number of the programs, so that tests can
// repeat a run.
#include <cstdint>

namespace platform {

class RandomSource {
 public:
  explicit RandomSource(uint32_t seed = 0) : seed_(seed) {}
  void seed(uint32_t s) { seed_ = s; }
  uint32_t seedValue() const { return seed_; }
  // 0 <= result < range; 0 when range <= 0.
  int next(int range);
  // 0 <= result < 1.
  double nextDouble();

 private:
  uint32_t step();
  uint32_t seed_;
};

RandomSource& randomSource();

// Random(n): 0..n-1 from the shared source.
inline int Random(int range) { return randomSource().next(range); }
inline double RandomFloat() { return randomSource().nextDouble(); }
// Seeds the shared source from the clock, unless a test has fixed it.
void Randomize();
// Tests fix the seed; Randomize then leaves it alone.
void fixRandomSeed(uint32_t seed);
void unfixRandomSeed();

}  // namespace platform
