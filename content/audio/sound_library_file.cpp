#include "content/audio/sound_library_file.h"

#include <stdexcept>

namespace content::sound {
namespace {

void put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
void put32(std::string& out, uint32_t v) {
  put16(out, static_cast<uint16_t>(v & 0xFFFF));
  put16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

std::string encodeSoundLibrary(const std::vector<Effect>& effects) {
  if (effects.empty()) throw std::invalid_argument("a sound library needs at least one sound");
  std::string out = "SL10";
  put32(out, static_cast<uint32_t>(effects.size()));
  for (const auto& e : effects) {
    if (e.samples.empty()) throw std::invalid_argument("sound \"" + e.name + "\" has no samples");
    if (e.name.size() > 11) throw std::invalid_argument("sound name \"" + e.name + "\" is longer than 11 characters");
    put16(out, 1);                          // PCM
    put16(out, 1);                          // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);            // bytes per second
    put16(out, 2);                          // bytes per sample frame
    put16(out, 16);                         // bits per sample
    put16(out, 0);                          // no extra format bytes
    put16(out, 0);                          // reserved
    out += static_cast<char>(e.name.size());
    out += e.name + std::string(11 - e.name.size(), '\0');
    put32(out, 0);                          // pan: centre
    put32(out, 0);                          // volume: full
    put32(out, static_cast<uint32_t>(e.samples.size() * 2));
    for (int16_t s : e.samples) put16(out, static_cast<uint16_t>(s));
  }
  return out;
}

}  // namespace content::sound
