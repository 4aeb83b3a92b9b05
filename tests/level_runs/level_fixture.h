#pragma once
// A level of the default game's program folder, written by a test into a scratch
// folder and built as a map node would start it (window mode, 320 x 240, play
// area 320 x 208 above the status bar).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/screen_audio_binding.h"
#include "game/frmMain/pending_screens.h"
#include "tools/tqrun/level_run.h"

namespace fs = std::filesystem;

// An object line at a cell.
struct TObject {
  int column, row;
  std::string line;
};

inline std::string levelText(const std::string& options, const std::vector<TObject>& objects) {
  // The first of two equal keys wins: the test's options go before the defaults.
  std::string text = "[Options]\r\n" + options + "ImageLib=sprites\\game.iml\r\nWidth=40\r\nHeight=20\r\n[Sprites]\r\n";
  for (const TObject& o : objects) text += std::to_string(o.row * 65536 + o.column) + "=" + o.line + "\r\n";
  return text;
}

class LevelFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_ = fs::temp_directory_path() /
               ("level_runs_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(scratch_);
    fs::create_directories(scratch_);
    Level = TLevelState{};
    WorldMap = TWorldMapState{};
    run_ = std::make_unique<TLevelRun>(TQ_STAGE_DIR);
  }
  void TearDown() override {
    run_.reset();
    Level.LevelIni.reset();
    fs::remove_all(scratch_);
  }

  std::string writeLevel(const std::string& name, const std::string& text) {
    const fs::path file = scratch_ / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
  }
  // Writes and starts a level; the player's line comes first.
  void start(const std::vector<TObject>& objects, const std::string& options = "") {
    run_->StartLevel(writeLevel("level.tql", levelText(options, objects)));
  }
  // As start, but keeps the entry that the test set up (EntryMode, EntryPipe...).
  void build(const std::vector<TObject>& objects, const std::string& options = "") {
    Level.LevelFileName = writeLevel("level.tql", levelText(options, objects));
    SetLevelPlayArea();
    StartLevel();
    ASSERT_NE(Level.Player, nullptr);
  }
  TfmMain& main() { return run_->Main(); }
  TGKSprite& sprite(int i) { return main().DXSprites->Sprites.GetSprite(i); }
  int count() { return main().DXSprites->Sprites.Count(); }
  TGKJumper& player() { return *Level.Player; }

  fs::path scratch_;
  std::unique_ptr<TLevelRun> run_;
};

// With the main window's own MIDI player as the level's music (the silent
// sequencer on the runner's fake clock).
class LevelWithMusic : public LevelFixture {
 protected:
  void SetUp() override {
    LevelFixture::SetUp();
    BindScreenAudio(main());
  }
  void TearDown() override {
    UnbindScreenAudio();
    LevelFixture::TearDown();
  }
};
