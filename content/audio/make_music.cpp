// Writes every tune of the default game below the given program folder.
#include <filesystem>
#include <iostream>

#include "content/audio/tunes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_music PROGRAM_FOLDER\n";
    return 2;
  }
  try {
    const std::filesystem::path root = argv[1];
    for (const auto& tune : content::music::defaultTunes()) {
      const auto path = root / tune.file;
      std::filesystem::create_directories(path.parent_path());
      content::music::buildSong(tune).save(path.string());
    }
  } catch (const std::exception& e) {
    std::cerr << "make_music: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
