// Writes the sound library of the default game: make_sounds OUTPUT.sdl
#include <filesystem>
#include <iostream>

#include "content/audio/effects.h"
#include "content/audio/sound_library_file.h"
#include "platform/core/ini_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds OUTPUT.sdl\n";
    return 2;
  }
  try {
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out.parent_path());
    platform::writeFileAtomically(out, content::sound::encodeSoundLibrary(content::sound::synthesizeEffects()));
  } catch (const std::exception& e) {
    std::cerr << "make_sounds: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
