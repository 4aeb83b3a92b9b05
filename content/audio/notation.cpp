#include "content/audio/notation.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>
#include <string>

namespace content::midi {
namespace {

[[noreturn]] void bad(std::string_view token) {
  throw std::invalid_argument("bad note token \"" + std::string(token) + "\"");
}

}  // namespace

int parsePitch(std::string_view name) {
  static constexpr int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2) bad(name);
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  if (letter < 'A' || letter > 'G') bad(name);
  int key = kSemitone[letter - 'A'];
  size_t i = 1;
  if (name[i] == '#') { ++key; ++i; }
  else if (name[i] == 'b') { --key; ++i; }
  int octave = 0;
  const auto* first = name.data() + i;
  const auto* last = name.data() + name.size();
  auto [ptr, ec] = std::from_chars(first, last, octave);
  if (ec != std::errc() || ptr != last || first == last) bad(name);
  key += (octave + 1) * 12;
  if (key < 0 || key > 127) bad(name);
  return key;
}

std::vector<NoteGroup> parseNotation(std::string_view text) {
  std::vector<NoteGroup> groups;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    if (pos >= text.size()) break;
    size_t end = pos;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
    const std::string_view token = text.substr(pos, end - pos);
    pos = end;
    const size_t colon = token.find(':');
    if (colon == std::string_view::npos) bad(token);
    NoteGroup g;
    const auto lenText = token.substr(colon + 1);
    auto [ptr, ec] = std::from_chars(lenText.data(), lenText.data() + lenText.size(), g.sixteenths);
    if (ec != std::errc() || ptr != lenText.data() + lenText.size() || g.sixteenths <= 0) bad(token);
    const auto pitches = token.substr(0, colon);
    if (pitches != "r") {
      size_t p = 0;
      while (p <= pitches.size()) {
        const size_t plus = std::min(pitches.find('+', p), pitches.size());
        g.keys.push_back(parsePitch(pitches.substr(p, plus - p)));
        p = plus + 1;
      }
    }
    groups.push_back(std::move(g));
  }
  return groups;
}

int lengthOf(const std::vector<NoteGroup>& groups) {
  int total = 0;
  for (const auto& g : groups) total += g.sixteenths;
  return total;
}

uint32_t writeLine(Track& track, int channel, uint32_t start, std::string_view text, int velocity,
                   int ticksPerSixteenth, double legato) {
  uint32_t tick = start;
  for (const auto& g : parseNotation(text)) {
    const auto length = static_cast<uint32_t>(g.sixteenths * ticksPerSixteenth);
    const auto held = std::max<uint32_t>(1, static_cast<uint32_t>(length * legato));
    for (int key : g.keys) track.note(tick, held, channel, key, velocity);
    tick += length;
  }
  return tick;
}

}  // namespace content::midi
