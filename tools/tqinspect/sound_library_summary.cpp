// A sound library as the game reads it (TGKSounds), with the checks the reader
// leaves to the audio: byte rates, whole sample frames, pan and volume ranges,
// and nothing after the last sound.
#include <sstream>

#include "components/gkslib/TGKSounds.h"
#include "tools/tqinspect/inspect.h"

namespace {

// Numbered as the reader numbers sounds in its errors: "sound 1 of 15".
std::string soundError(int index, int count, const std::string& why) {
  return "sound " + std::to_string(index + 1) + " of " + std::to_string(count) + ": " + why;
}

void checkSound(int index, int count, const TGKSoundEntry& s) {
  const TGKWaveFormat& f = s.Format;
  const uint32_t align = f.BlockAlign;  // the reader has checked it against channels and bits
  if (f.AvgBytesPerSec != f.SamplesPerSec * align)
    throw TInspectError(soundError(index, count, "bytes per second " + std::to_string(f.AvgBytesPerSec) + ", " +
                                              std::to_string(f.SamplesPerSec * align) + " expected"));
  if (uint32_t(s.Size) % align != 0)
    throw TInspectError(soundError(index, count, std::to_string(s.Size) + " sample bytes are no whole number of frames"));
  if (s.Pan < -10000 || s.Pan > 10000)
    throw TInspectError(soundError(index, count, "pan " + std::to_string(s.Pan) + " outside -10000..10000"));
  if (s.Volume < -10000 || s.Volume > 0)
    throw TInspectError(soundError(index, count, "volume " + std::to_string(s.Volume) + " outside -10000..0"));
}

}  // namespace

void SummarizeSoundLibrary(const std::string& fileName, std::ostream& out) {
  std::istringstream in(ReadFileBytes(fileName));
  TGKSounds sounds;
  try {
    sounds.ReadFromStream(in);
  } catch (const EGKSounds& e) {
    throw TInspectError(e.what());
  }
  // The format has no trailer: anything after the last sound is not the library's.
  in.peek();
  if (!in.eof()) {
    const auto rest = in.str().size() - size_t(in.tellg());
    throw TInspectError(std::to_string(rest) + " bytes after the last sound");
  }
  for (int i = 0; i < sounds.GetCount(); ++i) checkSound(i, sounds.GetCount(), sounds.GetSound(i));

  out << "sound library: " << fileName << '\n' << "  sounds: " << sounds.GetCount() << '\n';
  for (int i = 0; i < sounds.GetCount(); ++i) {
    const TGKSoundEntry& s = sounds.GetSound(i);
    const long long ms = 1000LL * s.Size / s.Format.AvgBytesPerSec;
    out << "  " << i << ": ";
    if (const std::string name = s.NameText(); !name.empty()) out << '"' << name << "\" ";
    out << s.Format.SamplesPerSec << " Hz, " << s.Format.BitsPerSample << " bits, "
        << (s.Format.Channels == 1 ? "mono" : "stereo") << ", " << ms << " ms, pan " << s.Pan << ", volume "
        << s.Volume << '\n';
  }
}
