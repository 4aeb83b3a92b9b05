#include "fuzz/support/fuzz_support.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "game/frmMain/screen_audio_binding.h"
#include "tools/tqrun/level_run.h"

namespace fs = std::filesystem;

const std::string& fuzzProgramFolder() {
  static const std::string folder = [] {
    const fs::path stage = TQ_STAGE_DIR;
    const fs::path scratch = fs::temp_directory_path() / ("tq_fuzz_" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    for (const fs::directory_entry& entry : fs::directory_iterator(stage)) {
      const std::string name = entry.path().filename().string();
      if (name == "Hopz.ini" || name == "Languages") fs::copy(entry.path(), scratch / name, fs::copy_options::recursive);
      else fs::create_symlink(entry.path(), scratch / name);
    }
    return scratch.string() + "/";
  }();
  return folder;
}

std::string writeProgramFile(const std::string& relative, std::string_view bytes) {
  const fs::path path = fs::path(fuzzProgramFolder()) / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
  return path.string();
}

TLevelRun& fuzzGame() {
  static const std::unique_ptr<TLevelRun> game = [] {
    auto run = std::make_unique<TLevelRun>(fuzzProgramFolder());
    BindScreenAudio(run->Main());
    return run;
  }();
  return *game;
}

void runFrames(int count) {
  for (int i = 0; i < count; ++i) fuzzGame().RunFrame({});
}
