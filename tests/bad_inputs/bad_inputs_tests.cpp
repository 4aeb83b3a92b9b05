// Each file of cases/ once crashed its reader, read memory it did not own or cut
// the reader's work short. Each is fed to the reader the program uses for it,
// and must give the error in the table ("" where it is read and built whole).
#include <gtest/gtest.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "game/Map/world_map.h"
#include "game/frmMain/screen_audio_binding.h"
#include "platform/jpeg/jpeg_decoder.h"
#include "platform/net/http_response.h"
#include "tools/tqrun/level_run.h"

namespace fs = std::filesystem;

namespace {

enum class Reader { VersionAnswer, Jpeg, Level, World };

std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The staged default game on a headless main window with its own music player.
class GameRun {
 public:
  GameRun() : run_(TQ_STAGE_DIR) { BindScreenAudio(run_.Main()); }
  ~GameRun() { UnbindScreenAudio(); }
  TLevelRun& run() { return run_; }

 private:
  TLevelRun run_;
};

// The reader's error for the file, "" when it read (and built) it.
std::string readWith(Reader reader, const fs::path& file) {
  try {
    switch (reader) {
      case Reader::VersionAnswer:
        return platform::parseHttpResponse(fileBytes(file), 64 * 1024).error;
      case Reader::Jpeg:
        platform::decodeJpeg(fileBytes(file));
        return "";
      case Reader::Level: {
        GameRun game;
        game.run().StartLevel(file.string());
        for (int i = 0; i < 3; ++i) game.run().RunFrame({});
        return "";
      }
      case Reader::World: {
        GameRun game;
        OpenWorldFile(file.string());
        for (int i = 0; i < 3; ++i) game.run().RunFrame({});
        return "";
      }
    }
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no reader";
}

TEST(BadInputs, EachGivesItsErrorOrIsReadWhole) {
  const struct {
    const char* file;
    Reader reader;
    const char* error;
  } cases[] = {
      // A chunk size whose sum with its line end overflows; the body is 3 bytes.
      {"version_chunk_size_overflow.http", Reader::VersionAnswer, "body incomplete"},
      // 280 bytes declaring 64490 x 63611 grey pixels in progressive scans: the
      // library took 8 GB for them before the size was checked.
      {"logo_64490x63611_progressive.jpg", Reader::Jpeg, "JPEG: unsupported picture size or format"},
      // Music naming a folder: no music, and the rest of the build goes on.
      {"level_music_folder.tql", Reader::Level, ""},
      {"world_music_folder.tqw", Reader::World, ""},
  };
  const fs::path folder = fs::path(TQ_SOURCE_DIR) / "tests" / "bad_inputs" / "cases";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(fs::is_regular_file(folder / c.file));
    EXPECT_EQ(readWith(c.reader, folder / c.file), c.error);
  }
}

}  // namespace
