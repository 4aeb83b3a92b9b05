#pragma once
// The contents of one sound library file (".sdl"): a list of short PCM sounds,
// each with its wave format, a short name, a pan and a volume.
//
// File layout (little-endian): "SL10", int32 Count, then per sound a 44-byte
// head - the 20-byte wave format (tag, channels, rate, bytes per second, block
// align, bits, extra size, reserved), a 12-byte name (a length byte and up to 11
// characters), int32 Pan, int32 Volume, int32 Size - and Size sample bytes.
#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class EGKSounds : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The first 20 bytes of a sound record: the wave format as handed to the audio.
struct TGKWaveFormat {
  uint16_t FormatTag = 1;  // PCM
  uint16_t Channels = 1;
  uint32_t SamplesPerSec = 22050;
  uint32_t AvgBytesPerSec = 44100;
  uint16_t BlockAlign = 2;
  uint16_t BitsPerSample = 16;
  uint16_t ExtraSize = 0;
  uint16_t Reserved = 0;  // kept and written back unchanged

  // PCM with block align and byte rate from the rest.
  static TGKWaveFormat Pcm(uint32_t samplesPerSec, uint16_t channels, uint16_t bitsPerSample);
  bool operator==(const TGKWaveFormat&) const = default;
};

struct TGKSoundEntry {
  TGKWaveFormat Format;
  std::array<uint8_t, 12> Name{};  // as in the file
  int32_t Pan = 0;                 // -10000 (left) .. 10000 (right)
  int32_t Volume = 0;              // hundredths of a decibel, -10000 .. 0
  int32_t Size = 0;                // bytes of Data
  std::vector<uint8_t> Data;

  // The name as text (the length byte is capped at 11).
  std::string NameText() const;
};

class TGKSounds {
 public:
  static constexpr size_t kHeaderSize = 8;
  static constexpr size_t kRecordHeadSize = 44;

  TGKSounds() = default;
  TGKSounds(const TGKSounds& other) { other.AssignTo(*this); }
  TGKSounds& operator=(const TGKSounds& other);

  // Reads a whole file; throws EGKSounds (also when the file cannot be read).
  // A failed read leaves the library empty.
  void LoadFromFile(const std::string& storedPath);
  // Every count, size and wave format is checked against what the stream holds
  // before it is used: a bad signature raises "Not a valid Sound Library File",
  // a Count of 0 or less "TGKSounds: GemMem Failed for FSounds", a Size of 0 or
  // less "TGKSounds: GemMem Failed for Sound.Data", anything else a message
  // naming the sound and the fault.
  void ReadFromStream(std::istream& in);
  // The header as held (Signature, Count), then every sound's head and samples.
  void WriteToStream(std::ostream& out) const;
  // Writes the library as a file (through a temporary file and a rename).
  void SaveToFile(const std::string& storedPath) const;
  // Frees every sound; Count 0.
  void Clear();

  // Throws EGKSounds for an index outside the sounds.
  const TGKSoundEntry& GetSound(int index) const;
  int GetCount() const { return int(sounds_.size()); }
  // Only to another TGKSounds: Dest gets copies of the header and every sound;
  // a library without sounds leaves Dest empty.
  void AssignTo(TGKSounds& dest) const;

  // The signature as read (written back as held).
  std::array<char, 4> Signature{'S', 'L', '1', '0'};

  // For programs that build libraries: appends a sound. Throws EGKSounds for no
  // data, a name longer than 11 characters, a wave format the audio cannot
  // play (PCM, 1 or 2 channels, 8 or 16 bits, block align to match), or a pan
  // or volume outside the audio's ranges.
  void AddSound(const TGKWaveFormat& format, std::string_view name, int32_t pan, int32_t volume,
                std::vector<uint8_t> data);

 private:
  std::vector<TGKSoundEntry> sounds_;
};

// Empty when the format can be played, else what is wrong with it.
std::string checkWaveFormat(const TGKWaveFormat& format);
// Empty when the audio takes the pan (-10000 .. 10000) and the volume
// (-10000 .. 0), else what is wrong with them.
std::string checkPanAndVolume(int32_t pan, int32_t volume);
