// The sound library file is read here on its own, checking every count and size
// against the file before use, so that tqinspect can name what is wrong.
#include <cstdint>
#include <cctype>
#include <vector>

#include "tools/tqinspect/inspect.h"

namespace {

constexpr size_t headerSize = 8;
constexpr size_t recordHeadSize = 44;

struct Sound {
  uint16_t formatTag, channels, blockAlign, bitsPerSample;
  uint32_t samplesPerSec, avgBytesPerSec;
  std::string name;
  int32_t pan, volume, size;
};

uint16_t u16(const std::string& b, size_t at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }
int32_t i32(const std::string& b, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | uint8_t(b[at + size_t(i)]);
  return int32_t(v);
}

std::string soundError(size_t index, const std::string& why) { return "sound " + std::to_string(index) + ": " + why; }

// What the audio component needs to make a buffer of the sound.
void checkFormat(size_t index, const Sound& s) {
  if (s.formatTag != 1) throw TInspectError(soundError(index, "format tag " + std::to_string(s.formatTag) + ", not PCM (1)"));
  if (s.channels != 1 && s.channels != 2)
    throw TInspectError(soundError(index, std::to_string(s.channels) + " channels (1 or 2 expected)"));
  if (s.bitsPerSample != 8 && s.bitsPerSample != 16)
    throw TInspectError(soundError(index, std::to_string(s.bitsPerSample) + " bits per sample (8 or 16 expected)"));
  if (s.samplesPerSec < 1000 || s.samplesPerSec > 192000)
    throw TInspectError(soundError(index, "sample rate " + std::to_string(s.samplesPerSec) + " Hz"));
  const unsigned align = s.channels * s.bitsPerSample / 8u;
  if (s.blockAlign != align)
    throw TInspectError(soundError(index, "block align " + std::to_string(s.blockAlign) + ", " + std::to_string(align) +
                                              " expected"));
  if (s.avgBytesPerSec != s.samplesPerSec * align)
    throw TInspectError(soundError(index, "bytes per second " + std::to_string(s.avgBytesPerSec) + ", " +
                                              std::to_string(s.samplesPerSec * align) + " expected"));
  if (s.size % int32_t(align) != 0)
    throw TInspectError(soundError(index, std::to_string(s.size) + " sample bytes are no whole number of frames"));
  if (s.pan < -10000 || s.pan > 10000) throw TInspectError(soundError(index, "pan " + std::to_string(s.pan) + " outside -10000..10000"));
  if (s.volume < -10000 || s.volume > 0)
    throw TInspectError(soundError(index, "volume " + std::to_string(s.volume) + " outside -10000..0"));
}

std::vector<Sound> readSounds(const std::string& b) {
  if (b.size() < headerSize) throw TInspectError("Not a valid Sound Library File");
  for (size_t i = 0; i < 4; ++i)
    if (std::toupper(uint8_t(b[i])) != "SL10"[i]) throw TInspectError("Not a valid Sound Library File");
  const int32_t count = i32(b, 4);
  if (count <= 0) throw TInspectError("TGKSounds: GemMem Failed for FSounds");
  std::vector<Sound> sounds;
  size_t at = headerSize;
  for (size_t i = 0; i < size_t(count); ++i) {
    if (b.size() - at < recordHeadSize)
      throw TInspectError("truncated: sound " + std::to_string(i) + " of " + std::to_string(count) + " is missing");
    Sound s{u16(b, at), u16(b, at + 2), u16(b, at + 12), u16(b, at + 14), uint32_t(i32(b, at + 4)),
            uint32_t(i32(b, at + 8)), {}, i32(b, at + 32), i32(b, at + 36), i32(b, at + 40)};
    const uint8_t nameLength = uint8_t(b[at + 20]);
    if (nameLength > 11) throw TInspectError(soundError(i, "name longer than 11 characters"));
    s.name = b.substr(at + 21, nameLength);
    if (s.size <= 0) throw TInspectError("TGKSounds: GemMem Failed for Sound.Data");
    at += recordHeadSize;
    if (b.size() - at < size_t(s.size))
      throw TInspectError("truncated: sound " + std::to_string(i) + " has " + std::to_string(b.size() - at) + " of its " +
                          std::to_string(s.size) + " sample bytes");
    at += size_t(s.size);
    checkFormat(i, s);
    sounds.push_back(std::move(s));
  }
  if (at != b.size()) throw TInspectError(std::to_string(b.size() - at) + " bytes after the last sound");
  return sounds;
}

}  // namespace

void SummarizeSoundLibrary(const std::string& fileName, std::ostream& out) {
  const std::vector<Sound> sounds = readSounds(ReadFileBytes(fileName));
  out << "sound library: " << fileName << '\n' << "  sounds: " << sounds.size() << '\n';
  for (size_t i = 0; i < sounds.size(); ++i) {
    const Sound& s = sounds[i];
    const long long ms = 1000LL * s.size / s.avgBytesPerSec;
    out << "  " << i << ": ";
    if (!s.name.empty()) out << '"' << s.name << "\" ";
    out << s.samplesPerSec << " Hz, " << s.bitsPerSample << " bits, " << (s.channels == 1 ? "mono" : "stereo") << ", "
        << ms << " ms, pan " << s.pan << ", volume " << s.volume << '\n';
  }
}
