// The default game's under-water level (content/game/levels/1-3.level) played
// headless: the player starts in the lake, so he swims from the first frame, his
// bubbles rise, and the fishes pace to and fro around their start points.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/Game/sprite_moved.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/frmMain/frmMain.h"
#include "tools/tqrun/level_run.h"

namespace {

TEST(WaterLevelRun, ThePlayerSwimsAndTheFishesTurnAroundTheirStarts) {
  Level = TLevelState{};
  TLevelRun run(TQ_STAGE_DIR);
  run.StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-3.tql");
  TGKSprites& sprites = run.Main().DXSprites->Sprites;

  struct FishTrack {
    int start = 0, minX = 1 << 30, maxX = -(1 << 30);
    std::vector<int> directions;
  };
  std::map<int, FishTrack> fishes;
  for (int i = FirstObjectSprite; i < sprites.Count(); ++i)
    if (sprites.GetSprite(i).Animation == Fish) fishes[i].start = StartPosX(sprites.GetSprite(i));
  ASSERT_FALSE(fishes.empty()) << "the level has fishes";

  const std::vector<TKeyEvent> noKeys;
  bool swimming = false, bubbleShown = false;
  for (int frame = 1; frame <= 800 && !Level.PlayerDying; ++frame) {
    run.RunFrame(noKeys);
    if (PlayerMedium(*Level.Player) == MediumWater) swimming = true;
    for (int k = 0; k < Kind286Pool.count; ++k)
      if (sprites.GetSprite(Kind286Pool.first + k).Visible) bubbleShown = true;
    for (auto& [i, track] : fishes) {
      const TGKSprite& f = sprites.GetSprite(i);
      if (!f.Enabled) continue;
      const int x = f.GetX() + run.Main().CameraX;
      track.minX = std::min(track.minX, x);
      track.maxX = std::max(track.maxX, x);
      if (track.directions.empty() || track.directions.back() != f.Direction) track.directions.push_back(f.Direction);
    }
  }
  EXPECT_TRUE(swimming);
  EXPECT_TRUE(bubbleShown);
  EXPECT_FALSE(Level.PlayerDying);
  int turned = 0;
  for (const auto& [i, track] : fishes) {
    if (track.directions.empty()) continue;  // never woke
    EXPECT_GE(track.minX, track.start - 150) << "fish " << i;
    EXPECT_LE(track.maxX, track.start + 150) << "fish " << i;
    if (track.directions.size() > 1) ++turned;
  }
  EXPECT_GT(turned, 0) << "no fish turned at the end of its beat";
  Level.LevelIni.reset();
}

}  // namespace
