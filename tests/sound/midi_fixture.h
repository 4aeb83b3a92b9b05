#pragma once
// Small Standard MIDI Files: the one builder of the files the tests, the
// benchmarks and the fuzz seeds write.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

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

// A track chunk of the bytes as given (no end of track added).
inline std::vector<uint8_t> rawTrack(const std::vector<uint8_t>& body) {
  std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
  putBe(chunk, uint32_t(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

struct MidiTestFile {
  std::string name;
  std::vector<uint8_t> bytes;
  std::string refusal;  // the reader's reason, "" for a file that plays
};

// Every MIDI file the tests write: those the game plays and those it refuses
// (with the reason), each reader of MIDI files giving the same answer.
inline std::vector<MidiTestFile> midiTestFiles() {
  const std::vector<uint8_t> good = beatTune(8);
  auto withByte = [&](size_t at, uint8_t value) {
    auto bytes = good;
    bytes[at] = value;
    return bytes;
  };
  const std::vector<uint8_t> note = {0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00};
  const std::vector<uint8_t> end = {0x00, 0xFF, 0x2F, 0x00};
  auto track = [&](std::vector<uint8_t> body, bool ended = true) {
    if (ended) body.insert(body.end(), end.begin(), end.end());
    return midiFile(0, 96, {rawTrack(body)});
  };
  auto header = [](int format, int tracks, int division) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    putBe(out, uint32_t(format), 2);
    putBe(out, uint32_t(tracks), 2);
    putBe(out, uint32_t(division), 2);
    return out;
  };
  auto withEnd = [&](std::vector<uint8_t> head) {
    const auto t = rawTrack(end);
    head.insert(head.end(), t.begin(), t.end());
    return head;
  };
  return {
      {"beat tune", good, ""},
      {"beat tune of 48 sixteenths", beatTune(48), ""},
      {"beat tune of 40 sixteenths", beatTune(40), ""},
      {"beat tune of 4 sixteenths", beatTune(4), ""},
      // Format 1: a tempo track and a note track with running status.
      {"tempo track and running status",
       midiFile(1, 96, {trackChunk({tempo(0, 500000), tempo(192, 1000000)}, 192),
                        trackChunk({{0, {0x91, 60, 90}}, {96, {62, 90}}, {384, {0x81, 60, 0}}}, 384)}),
       ""},
      {"a note left on", midiFile(0, 96, {trackChunk({{0, {0xC0, 19}}, {0, {0x90, 60, 100}}}, 96)}), ""},
      // Running status going on after a meta and a system-exclusive event, as
      // many files have it: two notes each.
      {"running status across a meta event",
       track({0x00, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x06, 0x01, 'A', 0x00, 0x40, 0x64, 0x60, 0x3C, 0x00, 0x00, 0x40,
              0x00}),
       ""},
      {"running status across a system-exclusive event",
       track({0x00, 0x90, 0x3C, 0x64, 0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x00, 0x40, 0x64, 0x60, 0x3C, 0x00, 0x00, 0x40,
              0x00}),
       ""},
      {"no end of track", track(note, false), ""},
      {"a data byte above 127", track({0x00, 0x90, 0x3C, 0xC8}), ""},
      {"a tempo of two bytes", track({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}), ""},
      {"a tempo of zero", track({0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x00}), ""},
      {"empty", {}, "not a MIDI file (no MThd header)"},
      {"the magic alone", {'M', 'T', 'h', 'd'}, "not a MIDI file (no MThd header)"},
      {"header cut short", std::vector<uint8_t>(good.begin(), good.begin() + 10), "not a MIDI file (no MThd header)"},
      {"not MIDI", {'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}, "not a MIDI file (no MThd header)"},
      {"header of five bytes", withByte(7, 5), "the MIDI header is too short"},
      {"format 3", withEnd(header(3, 1, 96)), "unknown MIDI file format 3"},
      {"SMPTE", withByte(12, 0xE7), "SMPTE time division is not supported"},
      {"division 0", withEnd(header(0, 1, 0)), "the MIDI file's division is 0"},
      {"missing track", withByte(11, 2), "the MIDI file holds 1 of its 2 tracks"},
      {"track chunk header cut short", std::vector<uint8_t>(good.begin(), good.begin() + 18),
       "the MIDI file holds 0 of its 1 tracks"},
      {"track beyond the file", withByte(21, 0x7F), "a MIDI track is longer than the file"},
      {"cut short", std::vector<uint8_t>(good.begin(), good.end() - 5), "a MIDI track is longer than the file"},
      {"data without status", midiFile(0, 96, {rawTrack({0x00, 0x40, 0x40})}),
       "a MIDI track has data without a status byte"},
      {"varlen of five bytes", midiFile(0, 96, {rawTrack({0xFF, 0xFF, 0xFF, 0xFF, 0x7F})}),
       "a MIDI track: a variable-length number is longer than four bytes"},
      {"event cut short", track({0x00, 0x90, 0x3C}, false), "a MIDI track ends early"},
      {"meta event cut short", track({0x00, 0xFF, 0x06, 0x7F, 0x41}), "a MIDI track ends early"},
      {"system-exclusive event cut short", track({0x00, 0xF0, 0x10, 0x01}), "a MIDI track ends early"},
      {"a system message", track({0x00, 0xF8}), "a MIDI track holds the system message 248"},
  };
}

}  // namespace soundtest
