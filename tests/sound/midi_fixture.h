#pragma once
// Small Standard MIDI Files written by the tests.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace soundtest {

struct TrackEvent {
  uint32_t tick;
  std::vector<uint8_t> bytes;  // status and data, or FF type len data
};

inline void putVarlen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t stack[4];
  int n = 0;
  do {
    stack[n++] = uint8_t(v & 0x7F);
    v >>= 7;
  } while (v && n < 4);
  while (n > 1) out.push_back(uint8_t(stack[--n] | 0x80));
  out.push_back(stack[0]);
}

inline void putBe(std::vector<uint8_t>& out, uint32_t v, int n) {
  for (int i = n - 1; i >= 0; --i) out.push_back(uint8_t(v >> (8 * i)));
}

// Events by tick (in the given order); an end of track at endTick.
inline std::vector<uint8_t> trackChunk(const std::vector<TrackEvent>& events, uint32_t endTick) {
  std::vector<uint8_t> body;
  uint32_t last = 0;
  for (const TrackEvent& e : events) {
    putVarlen(body, e.tick - last);
    last = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  putVarlen(body, endTick - last);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
  putBe(chunk, uint32_t(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

inline std::vector<uint8_t> midiFile(int format, int division, const std::vector<std::vector<uint8_t>>& tracks) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
  putBe(out, uint32_t(format), 2);
  putBe(out, uint32_t(tracks.size()), 2);
  putBe(out, uint32_t(division), 2);
  for (const auto& t : tracks) out.insert(out.end(), t.begin(), t.end());
  return out;
}

inline TrackEvent tempo(uint32_t tick, uint32_t microsecondsPerQuarter) {
  return {tick, {0xFF, 0x51, 0x03, uint8_t(microsecondsPerQuarter >> 16), uint8_t(microsecondsPerQuarter >> 8),
                 uint8_t(microsecondsPerQuarter)}};
}

// A tune at 120 bpm (a sixteenth is 24 ticks, 0.125 s): a piano note on every
// beat for `sixteenths` sixteenths, the last note ending with the piece.
inline std::vector<uint8_t> beatTune(int sixteenths, int division = 96) {
  const uint32_t sixteenth = uint32_t(division / 4);
  const uint32_t end = uint32_t(sixteenths) * sixteenth;
  std::vector<TrackEvent> events = {tempo(0, 500000), {0, {0xC0, 0}}};
  for (uint32_t t = 0; t < end; t += 4 * sixteenth) {
    events.push_back({t, {0x90, 60, 100}});
    events.push_back({std::min(end, t + 3 * sixteenth), {0x80, 60, 0}});
  }
  return midiFile(0, division, {trackChunk(events, end)});
}

inline std::filesystem::path writeTemp(const std::string& name, const std::vector<uint8_t>& bytes) {
  const auto path = testTempPath("tq_sound_" + name);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path;
}

}  // namespace soundtest
