#include "content/audio/midi_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace content::midi {
namespace {

uint8_t clamp7(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 127)); }
uint8_t channelOf(int channel) { return static_cast<uint8_t>(std::clamp(channel, 0, 15)); }

void appendBE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> metaText(uint8_t type, const std::string& text) {
  std::vector<uint8_t> d{0xFF, type};
  appendVarLen(d, static_cast<uint32_t>(text.size()));
  d.insert(d.end(), text.begin(), text.end());
  return d;
}

}  // namespace

void appendVarLen(std::vector<uint8_t>& out, uint32_t value) {
  if (value > 0x0FFFFFFF) throw std::invalid_argument("MIDI delta time too large");
  uint8_t buf[4];
  int n = 0;
  do {
    buf[n++] = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) out.push_back(static_cast<uint8_t>(buf[--n] | 0x80));
  out.push_back(buf[0]);
}

void Track::program(uint32_t tick, int channel, int program) {
  events_.push_back({tick, {static_cast<uint8_t>(0xC0 | channelOf(channel)), clamp7(program)}, 1});
}

void Track::controller(uint32_t tick, int channel, int number, int value) {
  events_.push_back(
      {tick, {static_cast<uint8_t>(0xB0 | channelOf(channel)), clamp7(number), clamp7(value)}, 1});
}

void Track::note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  const uint8_t ch = channelOf(channel);
  events_.push_back({tick, {static_cast<uint8_t>(0x90 | ch), clamp7(key), clamp7(std::max(1, velocity))}, 1});
  events_.push_back({tick + std::max<uint32_t>(1, length), {static_cast<uint8_t>(0x80 | ch), clamp7(key), 0}, 0});
}

void Track::tempo(uint32_t tick, double beatsPerMinute) {
  const auto usPerQuarter = static_cast<uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
  std::vector<uint8_t> d{0xFF, 0x51, 0x03};
  appendBE(d, usPerQuarter, 3);
  events_.push_back({tick, std::move(d), 1});
}

void Track::timeSignature(uint32_t tick, int numerator, int denominatorPower) {
  events_.push_back({tick,
                     {0xFF, 0x58, 0x04, clamp7(numerator), clamp7(denominatorPower), 24, 8},
                     1});
}

void Track::marker(uint32_t tick, const std::string& text) { events_.push_back({tick, metaText(0x06, text), 1}); }

Track& Song::addTrack(std::string name) {
  tracks_.emplace_back(std::move(name));
  return tracks_.back();
}

uint32_t Song::end() const {
  if (end_ != 0) return end_;
  uint32_t last = 0;
  for (const auto& t : tracks_)
    for (const auto& e : t.events()) last = std::max(last, e.tick);
  return last;
}

std::vector<uint8_t> Song::encode() const {
  std::vector<uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  appendBE(out, static_cast<uint32_t>(tracks_.size()), 2);
  appendBE(out, static_cast<uint32_t>(division_), 2);
  const uint32_t endTick = end();
  for (const auto& track : tracks_) {
    std::vector<Event> events = track.events();
    // Notes that would sound past the end are cut at it, so every track closes together.
    for (auto& e : events) e.tick = std::min(e.tick, endTick);
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> body;
    if (!track.name().empty()) {
      appendVarLen(body, 0);
      const auto name = metaText(0x03, track.name());
      body.insert(body.end(), name.begin(), name.end());
    }
    uint32_t now = 0;
    for (const auto& e : events) {
      appendVarLen(body, e.tick - now);
      now = e.tick;
      body.insert(body.end(), e.data.begin(), e.data.end());
    }
    appendVarLen(body, endTick - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    appendBE(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

void Song::save(const std::string& path) const {
  const auto bytes = encode();
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("Unable to write to " + path);
}

}  // namespace content::midi
