#pragma once
// A compact text notation for the tunes, so that a melody reads like a score:
// tokens separated by blanks, each "PITCHES:LENGTH" with the length in sixteenth
// notes. PITCHES is "r" for a rest or note names joined by "+" for a chord, a
// name being a letter A-G, an optional '#' or 'b' and an octave (C4 = key 60).
// Example: "E5:2 G5:2 C6+E6:4 r:4".
#include <cstdint>
#include <string_view>
#include <vector>

#include "content/audio/midi_writer.h"

namespace content::midi {

struct NoteGroup {
  std::vector<int> keys;  // empty for a rest
  int sixteenths = 0;
};

// Throws std::invalid_argument naming the bad token.
std::vector<NoteGroup> parseNotation(std::string_view text);
int parsePitch(std::string_view name);

// Total length of a parsed line in sixteenths.
int lengthOf(const std::vector<NoteGroup>& groups);

// Writes the line from `start` (ticks) with every note held for `legato` of its
// length; returns the tick after the last group.
uint32_t writeLine(Track& track, int channel, uint32_t start, std::string_view text, int velocity,
                   int ticksPerSixteenth, double legato = 0.9);

}  // namespace content::midi
