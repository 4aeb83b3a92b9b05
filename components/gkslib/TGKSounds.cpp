#include "components/gkslib/TGKSounds.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/core/ini_file.h"
#include "platform/core/paths.h"

namespace {

constexpr const char* kNotValid = "Not a valid Sound Library File";
constexpr const char* kNoSounds = "TGKSounds: GemMem Failed for FSounds";
constexpr const char* kNoData = "TGKSounds: GemMem Failed for Sound.Data";
constexpr size_t kNameSize = 12;
constexpr uint8_t kMaxNameLength = 11;
// Samples are read in pieces of this size, so that a size field larger than the
// file never allocates more than the file holds.
constexpr size_t kReadChunk = 1 << 16;

uint16_t get16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t get32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
void put16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
  put16(p, uint16_t(v));
  put16(p + 2, uint16_t(v >> 16));
}

char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool readExactly(std::istream& in, uint8_t* out, size_t n) {
  in.read(reinterpret_cast<char*>(out), std::streamsize(n));
  return size_t(in.gcount()) == n;
}

std::string soundLabel(int index, int count) {
  return "sound " + std::to_string(index + 1) + " of " + std::to_string(count);
}

[[noreturn]] void truncated(int index, int count) {
  throw EGKSounds("Sound Library File is truncated: " + soundLabel(index, count) + " is incomplete");
}

void decodeHead(const uint8_t* h, TGKSoundEntry& e) {
  e.Format.FormatTag = get16(h);
  e.Format.Channels = get16(h + 2);
  e.Format.SamplesPerSec = get32(h + 4);
  e.Format.AvgBytesPerSec = get32(h + 8);
  e.Format.BlockAlign = get16(h + 12);
  e.Format.BitsPerSample = get16(h + 14);
  e.Format.ExtraSize = get16(h + 16);
  e.Format.Reserved = get16(h + 18);
  std::memcpy(e.Name.data(), h + 20, kNameSize);
  e.Pan = int32_t(get32(h + 32));
  e.Volume = int32_t(get32(h + 36));
  e.Size = int32_t(get32(h + 40));
}

void encodeHead(const TGKSoundEntry& e, uint8_t* h) {
  put16(h, e.Format.FormatTag);
  put16(h + 2, e.Format.Channels);
  put32(h + 4, e.Format.SamplesPerSec);
  put32(h + 8, e.Format.AvgBytesPerSec);
  put16(h + 12, e.Format.BlockAlign);
  put16(h + 14, e.Format.BitsPerSample);
  put16(h + 16, e.Format.ExtraSize);
  put16(h + 18, e.Format.Reserved);
  std::memcpy(h + 20, e.Name.data(), kNameSize);
  put32(h + 32, uint32_t(e.Pan));
  put32(h + 36, uint32_t(e.Volume));
  put32(h + 40, uint32_t(e.Size));
}

}  // namespace

TGKWaveFormat TGKWaveFormat::Pcm(uint32_t samplesPerSec, uint16_t channels, uint16_t bitsPerSample) {
  TGKWaveFormat f;
  f.FormatTag = 1;
  f.Channels = channels;
  f.SamplesPerSec = samplesPerSec;
  f.BitsPerSample = bitsPerSample;
  f.BlockAlign = uint16_t(channels * bitsPerSample / 8);
  f.AvgBytesPerSec = samplesPerSec * f.BlockAlign;
  return f;
}

std::string checkWaveFormat(const TGKWaveFormat& f) {
  if (f.FormatTag != 1) return "the format tag is " + std::to_string(f.FormatTag) + ", not PCM (1)";
  if (f.Channels != 1 && f.Channels != 2) return "it has " + std::to_string(f.Channels) + " channels";
  if (f.BitsPerSample != 8 && f.BitsPerSample != 16)
    return "it has " + std::to_string(f.BitsPerSample) + " bits per sample";
  if (f.BlockAlign != f.Channels * f.BitsPerSample / 8)
    return "its block align " + std::to_string(f.BlockAlign) + " does not match its channels and bits";
  if (f.SamplesPerSec < 100 || f.SamplesPerSec > 200000)
    return "its sample rate " + std::to_string(f.SamplesPerSec) + " Hz is outside 100 .. 200000";
  return {};
}

std::string checkPanAndVolume(int32_t pan, int32_t volume) {
  // The audio refuses a buffer outside these ranges, which would cost every
  // sound of the library.
  if (pan < -10000 || pan > 10000) return "its pan " + std::to_string(pan) + " is outside -10000 .. 10000";
  if (volume < -10000 || volume > 0) return "its volume " + std::to_string(volume) + " is outside -10000 .. 0";
  return {};
}

std::string TGKSoundEntry::NameText() const {
  const size_t length = std::min<size_t>(Name[0], kMaxNameLength);
  return std::string(reinterpret_cast<const char*>(Name.data() + 1), length);
}

TGKSounds& TGKSounds::operator=(const TGKSounds& other) {
  if (this != &other) other.AssignTo(*this);
  return *this;
}

void TGKSounds::LoadFromFile(const std::string& storedPath) {
  std::ifstream in(platform::resolvePath(storedPath), std::ios::binary);
  if (!in) {
    Clear();
    throw EGKSounds("Cannot open file \"" + storedPath + "\"");
  }
  ReadFromStream(in);
}

void TGKSounds::ReadFromStream(std::istream& in) {
  Clear();
  uint8_t header[kHeaderSize];
  if (!readExactly(in, header, kHeaderSize)) throw EGKSounds(kNotValid);
  static constexpr char kSignature[4] = {'S', 'L', '1', '0'};
  for (int i = 0; i < 4; ++i)
    if (upper(char(header[i])) != kSignature[i]) throw EGKSounds(kNotValid);
  const int32_t count = int32_t(get32(header + 4));
  if (count <= 0) throw EGKSounds(kNoSounds);

  std::vector<TGKSoundEntry> sounds;
  for (int i = 0; i < count; ++i) {
    uint8_t head[kRecordHeadSize];
    if (!readExactly(in, head, kRecordHeadSize)) truncated(i, count);
    TGKSoundEntry entry;
    decodeHead(head, entry);
    if (entry.Size <= 0) throw EGKSounds(kNoData);
    if (entry.Name[0] > kMaxNameLength)
      throw EGKSounds("Sound Library File: the name of " + soundLabel(i, count) + " is longer than 11 characters");
    if (const std::string fault = checkWaveFormat(entry.Format); !fault.empty())
      throw EGKSounds("Sound Library File: " + soundLabel(i, count) + " cannot be played: " + fault);
    if (const std::string fault = checkPanAndVolume(entry.Pan, entry.Volume); !fault.empty())
      throw EGKSounds("Sound Library File: " + soundLabel(i, count) + " cannot be played: " + fault);
    const size_t size = size_t(entry.Size);
    while (entry.Data.size() < size) {
      const size_t piece = std::min(kReadChunk, size - entry.Data.size());
      const size_t at = entry.Data.size();
      entry.Data.resize(at + piece);
      if (!readExactly(in, entry.Data.data() + at, piece)) truncated(i, count);
    }
    sounds.push_back(std::move(entry));
  }
  std::memcpy(Signature.data(), header, 4);
  sounds_ = std::move(sounds);
}

void TGKSounds::WriteToStream(std::ostream& out) const {
  uint8_t header[kHeaderSize];
  std::memcpy(header, Signature.data(), 4);
  put32(header + 4, uint32_t(sounds_.size()));
  out.write(reinterpret_cast<const char*>(header), kHeaderSize);
  for (const TGKSoundEntry& sound : sounds_) {
    uint8_t head[kRecordHeadSize];
    encodeHead(sound, head);
    out.write(reinterpret_cast<const char*>(head), kRecordHeadSize);
    out.write(reinterpret_cast<const char*>(sound.Data.data()), std::streamsize(sound.Data.size()));
  }
}

void TGKSounds::SaveToFile(const std::string& storedPath) const {
  std::ostringstream out(std::ios::binary);
  WriteToStream(out);
  platform::writeFileAtomically(platform::writePath(storedPath), out.str());
}

void TGKSounds::Clear() { sounds_.clear(); }

const TGKSoundEntry& TGKSounds::GetSound(int index) const {
  if (index < 0 || index >= GetCount())
    throw EGKSounds("TGKSounds: sound index " + std::to_string(index) + " out of range (" +
                    std::to_string(GetCount()) + " sounds)");
  return sounds_[size_t(index)];
}

void TGKSounds::AssignTo(TGKSounds& dest) const {
  if (&dest == this) return;
  dest.Clear();
  if (sounds_.empty()) return;
  dest.Signature = Signature;
  dest.sounds_ = sounds_;
}

void TGKSounds::AddSound(const TGKWaveFormat& format, std::string_view name, int32_t pan, int32_t volume,
                         std::vector<uint8_t> data) {
  if (data.empty() || data.size() > size_t(INT32_MAX))
    throw EGKSounds("TGKSounds: sound \"" + std::string(name) + "\" has no data");
  if (name.size() > kMaxNameLength)
    throw EGKSounds("TGKSounds: sound name \"" + std::string(name) + "\" is longer than 11 characters");
  if (const std::string fault = checkWaveFormat(format); !fault.empty())
    throw EGKSounds("TGKSounds: sound \"" + std::string(name) + "\" cannot be played: " + fault);
  if (const std::string fault = checkPanAndVolume(pan, volume); !fault.empty())
    throw EGKSounds("TGKSounds: sound \"" + std::string(name) + "\" cannot be played: " + fault);
  TGKSoundEntry entry;
  entry.Format = format;
  entry.Name[0] = uint8_t(name.size());
  std::memcpy(entry.Name.data() + 1, name.data(), name.size());
  entry.Pan = pan;
  entry.Volume = volume;
  entry.Size = int32_t(data.size());
  entry.Data = std::move(data);
  sounds_.push_back(std::move(entry));
}
