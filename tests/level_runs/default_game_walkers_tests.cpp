// The default game's tall facing walkers (built 6 pixels lower than their cell)
// stand on their ground when their level starts, within a walker's landing reach.
#include <algorithm>
#include <filesystem>

#include "game/Game/kind_sets.h"
#include "game/Game/sprite_moved.h"
#include "level_fixture.h"

namespace {

const TKindSet TallFacingWalkers{57, 64, 109, 110, 232};
constexpr int kLandingReach = 4;

using DefaultGameWalkers = LevelFixture;

TEST_F(DefaultGameWalkers, EveryTallWalkerStartsOnItsGround) {
  int levels = 0, walkers = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(TQ_STAGE_DIR) / "levels")) {
    if (entry.path().extension() != ".tql") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++levels;
    run_->StartLevel(entry.path().string());
    for (int i = 39; i < count(); ++i) {
      const TGKSprite& w = sprite(i);
      if (!TallFacingWalkers.contains(w.Animation)) continue;
      ++walkers;
      ASSERT_GT(w.Height, 0);
      const int bottom = w.GetY() + w.Height;
      // Terrain under its feet, no deeper than the landing reach below them, and
      // none around its body (a walker built into the ground lands on a lower row).
      bool grounded = false, buried = false;
      for (int j = 39; j < count(); ++j) {
        const TGKSprite& g = sprite(j);
        if (j == i || !g.Visible || NonSolidKinds.contains(g.Animation) || WalkerKinds.contains(g.Animation)) continue;
        if (g.GetX() >= w.GetX() + w.Width || w.GetX() >= g.GetX() + g.Width) continue;
        grounded = grounded || (g.GetY() >= bottom && g.GetY() <= bottom + kLandingReach);
        buried = buried || (g.GetY() < bottom && g.GetY() + g.Height > w.GetY());
      }
      EXPECT_TRUE(grounded && !buried) << "kind " << w.Animation << " at " << StartPosX(w) << "," << StartPosY(w);
    }
  }
  EXPECT_GT(levels, 0);
  EXPECT_GT(walkers, 0);
}

}  // namespace
