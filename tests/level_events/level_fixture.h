#pragma once
// A running level built by hand: the main window with a started 320 x 240
// screen whose images are plain blocks (16 x 16, brick fragments 8 x 8), the
// level animations, the player at sprite 0, the effect pools at 1..38 and the
// objects a test adds from 39 on. Time comes from a fake clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/kind_cases.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/frmMain.h"
#include "platform/app/form.h"
#include "platform/core/clock.h"

class LevelFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A sprite of a level kind at a screen position; returns its index.
  int add(int kind, int x, int y, int direction = 8, double speed = 0);
  TGKSprite& sprite(int i) { return w().DXSprites->Sprites.GetSprite(i); }
  TGKJumper& player() { return *Level.Player; }
  TfmMain& w() { return *window_; }
  // The player's contact case for sprite i, as the player's move runs it.
  TCaseEnd contact(int i);
  void placePlayer(int x, int y) {
    player().SetX(x);
    player().SetY(y);
  }
  void hold(uint16_t key);
  void release(uint16_t key);
  // More plain 16 x 16 images, up to count (frames of the late kinds lie past 600).
  void addImagesUpTo(int count);
  // A file of the program folder.
  void writeFile(const std::string& name, const std::string& text = "[Options]\r\n");

  std::filesystem::path folder_;
  platform::FakeClock clock_{100000};
  std::unique_ptr<platform::ScopedClock> scopedClock_;
  platform::HeadlessForm form_{320, 240};
  std::unique_ptr<TfmMain> window_;
};
