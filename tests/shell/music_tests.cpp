// The end-of-piece rules of the music player.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/frmMain/music_rules.h"

namespace fs = std::filesystem;

namespace {

// A player that stands at the end of its piece until told otherwise.
class FakePlayer : public TMusicControl {
 public:
  FakePlayer(std::string file, int tag, long length) : file_(std::move(file)), tag_(tag), length_(length) {
    position_ = length;
  }
  int Tag() const override { return tag_; }
  std::string FileName() const override { return file_; }
  long Position() const override { return position_; }
  long Length() const override { return length_; }
  void Seek(long p) override {
    position_ = std::min(p, length_);
    log += "seek " + std::to_string(p) + ";";
  }
  void Rewind() override {
    position_ = 0;
    log += "rewind;";
  }
  void Play() override { log += "play from " + std::to_string(position_) + ";"; }

  std::string log;

 private:
  std::string file_;
  int tag_;
  long length_;
  long position_;
};

class Music : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("music_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    for (const char* name : {"Normal 2.MID", "normal 1.mid", "world1.mid", "death.mid", "Levelend.mid"})
      std::ofstream(dir_ / name) << "MThd";
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(Music, LoopingPiecesRestartFromTheirLoopPoint) {
  const struct {
    const char* file;
    int tag;
    long length;
    bool playMusic;
    const char* expected;
  } cases[] = {
      {"Normal 2.MID", 1, 200, true, "seek 32;play from 32;"},  // whatever the case of the name
      {"normal 1.mid", 1, 200, true, "seek 32;play from 32;"},
      {"normal 1.mid", 1, 20, true, "seek 32;rewind;play from 0;"},  // shorter than the loop point
      {"world1.mid", 1, 200, true, "rewind;play from 0;"},
      {"world1.mid", 1, 200, false, "rewind;"},  // music off: ready, but silent
      {"world1.mid", 0, 200, true, ""},          // Tag 0 ends and stays silent
      {"Levelend.mid", 0, 90, true, ""},
      {"missing.mid", 1, 200, true, ""},         // the file is gone: not restarted
  };
  for (const auto& c : cases) {
    FakePlayer p(path(c.file), c.tag, c.length);
    EXPECT_EQ(handleMusicNotify(p, c.playMusic, 3), TMusicEndAction::None);
    EXPECT_EQ(p.log, c.expected) << c.file << " tag " << c.tag;
  }
}

TEST_F(Music, LoopingPieceStillPlayingIsLeftAlone) {
  FakePlayer p(path("world1.mid"), 1, 200);
  p.Seek(50);
  p.log.clear();
  EXPECT_EQ(handleMusicNotify(p, true, 3), TMusicEndAction::None);
  EXPECT_EQ(p.log, "");
}

TEST_F(Music, EndOfTheDeathTuneLeadsToTheTitleOrTheMap) {
  FakePlayer gameOver(path("death.mid"), 0, 64);
  EXPECT_EQ(handleMusicNotify(gameOver, true, 0), TMusicEndAction::ReturnToTitle);
  FakePlayer livesLeft(path("death.mid"), 0, 64);
  EXPECT_EQ(handleMusicNotify(livesLeft, true, 2), TMusicEndAction::ReturnToMap);
  FakePlayer stillPlaying(path("death.mid"), 0, 64);
  stillPlaying.Seek(10);
  EXPECT_EQ(handleMusicNotify(stillPlaying, true, 0), TMusicEndAction::None);
}

}  // namespace
