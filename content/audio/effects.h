#pragma once
// The sound effects of the default game, synthesised by code: one short mono
// 16-bit PCM sound per effect, in the order of the game's effect indices.
#include <cstdint>
#include <string>
#include <vector>

namespace content::sound {

inline constexpr int kSampleRate = 22050;

struct Effect {
  std::string name;              // at most 11 characters (the library's name field)
  std::vector<int16_t> samples;  // mono, kSampleRate Hz
};

// 0 jump, 1 coin, 2 pipe, 3 brick, 4 pause, 5 bump, 6 extra life, 7 poison,
// 8 map intro, 9 map move, 10 enter node, 11 power-up, 12 transform,
// 13 flight (played looped, so it starts and ends at rest), 14 fireball.
std::vector<Effect> synthesizeEffects();

}  // namespace content::sound
