// Writes the sound library of the default game: make_sounds OUTPUT.sdl
#include <filesystem>
#include <iostream>

#include "components/gkslib/TGKSounds.h"
#include "content/audio/effects.h"

namespace {

// The effects as the game's sound library: mono 16-bit PCM, centred, full volume.
TGKSounds soundLibraryOf(const std::vector<content::sound::Effect>& effects) {
  TGKSounds library;
  const TGKWaveFormat format = TGKWaveFormat::Pcm(content::sound::kSampleRate, 1, 16);
  for (const content::sound::Effect& e : effects) {
    std::vector<uint8_t> bytes;
    bytes.reserve(e.samples.size() * 2);
    for (int16_t s : e.samples) {  // little-endian, as the file keeps them
      bytes.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) & 0xFF));
      bytes.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) >> 8));
    }
    library.AddSound(format, e.name, 0, 0, std::move(bytes));
  }
  return library;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds OUTPUT.sdl\n";
    return 2;
  }
  try {
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out.parent_path());
    soundLibraryOf(content::sound::synthesizeEffects()).SaveToFile(out.string());
  } catch (const std::exception& e) {
    std::cerr << "make_sounds: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
