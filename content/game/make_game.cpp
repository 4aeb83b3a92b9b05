// Turns the readable sources of the default game into its files:
//   make_game SOURCE_FOLDER PROGRAM_FOLDER FILE...
// where each FILE is relative to SOURCE_FOLDER: NAME.level becomes NAME.tql,
// NAME.world becomes NAME.tqw and NAME.game becomes NAME.tqg (its lines ending in
// CR LF), each at the same relative place below PROGRAM_FOLDER.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "content/game/level_source.h"
#include "platform/core/ini_file.h"

namespace {

std::string readAll(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string withCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: make_game SOURCE_FOLDER PROGRAM_FOLDER FILE...\n";
    return 2;
  }
  try {
    const std::filesystem::path sources = argv[1];
    const std::filesystem::path program = argv[2];
    for (int i = 3; i < argc; ++i) {
      const std::filesystem::path rel = argv[i];
      const std::string text = readAll(sources / rel);
      const std::string ext = rel.extension().string();
      std::filesystem::path out = program / rel;
      std::string result;
      if (ext == ".level" || ext == ".world") {
        const auto kind = ext == ".level" ? content::game::DocumentKind::Level : content::game::DocumentKind::World;
        result = content::game::documentText(content::game::compileSource(text, kind, rel.string()));
        out.replace_extension(ext == ".level" ? ".tql" : ".tqw");
      } else if (ext == ".game") {
        result = withCrLf(text);
        out.replace_extension(".tqg");
      } else {
        throw std::runtime_error(rel.string() + ": unknown kind of source");
      }
      std::filesystem::create_directories(out.parent_path());
      platform::writeFileAtomically(out, result);
    }
  } catch (const std::exception& e) {
    std::cerr << "make_game: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
