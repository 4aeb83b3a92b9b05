// Shells and the player's fireball moving against the other sprites of a
// hand-built level: kills, rebounds from blocks and walls, the held shell,
// landing, falling and the splash into water.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/Game/level_events.h"
#include "game/Game/shells_projectiles.h"
#include "game/LevelAnimations/level_animations.h"
#include "ring_level.h"

namespace {

using Shells = RingLevel;
using Places = std::vector<std::pair<int, int>>;

// The mover stands at (100, 100); a sprite it runs into overlaps its front by 6 pixels.
constexpr int MoverX = 100, MoverY = 100;
int frontX(int direction) { return direction == 8 ? MoverX + 10 : MoverX - 10; }

TEST_F(Shells, KillWhatTheyRunIntoUnlessFireproof) {
  const struct {
    const char* what;
    int mover, direction;
    double speed;
    int victim;
    bool victimEnabled, victimDies, moverDies;
  } cases[] = {
      {"a moving shell kills a second shell", Shellr2, 8, 5, Shellr, true, true, false},
      {"moving left it kills a walker", Turvo112, 24, 5, Wumpet1, true, true, false},
      {"a resting shell kills nothing", Shellr, 8, 0, Wumpet1, true, false, false},
      {"an enemy that is not enabled is not hit", Shellr2, 8, 5, Wumpet1, false, false, false},
      {"a visible plant inside its pipe is", Shellr2, 8, 5, Plant214, false, true, false},
      {"the fireball dies against 96 moving right", FBall2, 8, 5, Bomb3, true, false, true},
      {"moving left it kills 96", FBall2, 24, 5, Bomb3, true, true, true},
      {"it dies against a bullet either way", FBall2, 24, 5, Bullet, true, false, true},
      {"it kills a walker and goes out", FBall2, 8, 5, Wumpet1, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    Level.Score = 0;
    const int m = addMoving(c.mover, MoverX, MoverY, c.direction, c.speed);
    const int v = add(c.victim, frontX(c.direction), MoverY);
    if (!c.victimEnabled) sprite(v).Disable();
    moved(m);
    EXPECT_EQ(!sprite(v).Visible, c.victimDies);
    EXPECT_EQ(!sprite(v).Enabled, c.victimDies || !c.victimEnabled);
    EXPECT_EQ(!sprite(m).Enabled, c.moverDies);
    EXPECT_EQ(!sprite(m).Visible, c.moverDies);
    EXPECT_EQ(Level.Score, c.victimDies ? ShellKillScore : 0);
    EXPECT_EQ(dust(), (c.victimDies || c.moverDies ? Places{{frontX(c.direction), MoverY}} : Places{}));
  }
}

TEST_F(Shells, OnlyTheFireballCountsDownTheFoesOfAnEncounter) {
  const struct {
    int mover, before, after;
  } cases[] = {{Shellr2, 2, 2}, {FBall2, 2, 1}, {FBall2, 0, -1}, {FBall2, -1, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mover);
    SCOPED_TRACE(c.before);
    clearStage();
    Level.EncounterFoesLeft = c.before;
    const int m = addMoving(c.mover, MoverX, MoverY, 8, 5);
    const int foe = add(Turvob2, frontX(8), MoverY);
    moved(m);
    EXPECT_FALSE(sprite(foe).Visible);
    EXPECT_EQ(Level.EncounterFoesLeft, c.after);
  }
}

TEST_F(Shells, ReboundFromWallsBreakingBricksAndBumpingBonusBlocks) {
  const struct {
    const char* what;
    int wall;
    const char* contents;
    bool wallEnabled;
    int direction;
    bool rebounds;
    int wallAfter;  // the wall's animation afterwards
    bool wallBroken;
  } cases[] = {
      {"a brick without contents breaks", Block, nullptr, true, 8, true, Block, true},
      {"a brick with contents gives them", Block, "62", true, 8, true, Square1, false},
      {"a bonus block gives its contents", Quest1, "49", true, 24, true, Square1, false},
      {"ground turns it back", Generic3, nullptr, true, 24, true, Generic3, false},
      {"a one-way platform does not", Panel121, nullptr, true, 8, false, Panel121, false},
      {"nor a brick that is already broken", Block, nullptr, false, 8, false, Block, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    const int m = addMoving(Shellr2, MoverX, MoverY, c.direction, 5);
    const int wall = add(c.wall, frontX(c.direction), MoverY);
    if (c.contents) sprite(wall).Data = Level.AddSpriteText(c.contents);
    if (!c.wallEnabled) {
      sprite(wall).Disable();
      sprite(wall).Hide();
    }
    moved(m);
    const int flushX = c.direction == 8 ? frontX(8) - 16 : frontX(24) + 16;
    EXPECT_EQ(sprite(m).GetX(), c.rebounds ? flushX : MoverX);
    EXPECT_EQ(sprite(m).Direction, c.rebounds ? 32 - c.direction : c.direction);
    EXPECT_EQ(sprite(wall).Animation, c.wallAfter);
    EXPECT_EQ(!sprite(wall).Enabled, c.wallBroken);
    EXPECT_TRUE(sprite(m).Enabled);
  }
}

TEST_F(Shells, AHeldShellIsLostWithWhatItTouches) {
  // The held shell at (100, 100) touches what overlaps (102, 100) .. (114, 114).
  const struct {
    const char* what;
    int x, y, kind;
    bool held, kills;
  } cases[] = {
      {"an enemy overlapping its right side", 113, 100, Wumpet1, true, true},
      {"one in the two pixels beyond that", 114, 100, Wumpet1, true, false},
      {"one overlapping its left side", 87, 100, Wumpet1, true, true},
      {"one in the two pixels on the left", 86, 100, Wumpet1, true, false},
      {"one above its lowest two pixels", 100, 113, Wumpet1, true, true},
      {"one below them", 100, 114, Wumpet1, true, false},
      {"a coin is no victim", 105, 100, Coin, true, false},
      {"a shell nobody holds", 105, 100, Wumpet1, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    Level.Score = 0;
    const int shell = add(Shellr, MoverX, MoverY);
    sprite(shell).State = 1;
    if (c.held) SetCarrying(true, &sprite(shell));
    else SetCarrying(false, nullptr);
    const int o = add(c.kind, c.x, c.y);
    moved(shell);
    EXPECT_EQ(!sprite(o).Visible, c.kills);
    EXPECT_EQ(!sprite(shell).Visible, c.kills);
    EXPECT_EQ(!sprite(shell).Enabled, c.kills);
    EXPECT_EQ(Level.Score, c.kills ? HeldShellKillScore : 0);
    EXPECT_EQ(Level.Carrying, c.held && !c.kills);
    EXPECT_EQ(dust(), (c.kills ? Places{{c.x, c.y}} : Places{}));
    EXPECT_EQ(sprite(shell).GetY(), MoverY) << "a held shell does not fall";
  }
}

TEST_F(Shells, LandOnWhatIsSolidFromAboveAndFallOtherwise) {
  // Under the shell's feet (y 116) at 118: close enough for the 4-pixel probe.
  const struct {
    const char* what;
    int ground;
    bool visible;
    int y;
  } cases[] = {
      {"ground", Generic3, true, 102},          {"a one-way platform", Panel121, true, 102},
      {"the bridge, 8 pixels deep", Bridge, true, 110}, {"a coin is no ground", Coin, true, 104},
      {"hidden ground is none", Generic3, false, 104},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    const int m = addMoving(Shellr2, MoverX, MoverY, 8, 4);
    const int g = add(c.ground, MoverX, 118);
    sprite(g).Visible = c.visible;
    moved(m);
    EXPECT_EQ(sprite(m).GetY(), c.y);
    EXPECT_EQ(sprite(m).GetX(), MoverX);
  }
}

TEST_F(Shells, AShellFallingIntoWaterSplashesOnceAndGoesOnAtHalfSpeed) {
  addSized(Water278, 80, 90, 64, 64);
  const int m = addMoving(Shellr2, MoverX, MoverY, 8, 4);
  moved(m);
  EXPECT_EQ(sprite(m).GetY(), MoverY + 1);
  EXPECT_DOUBLE_EQ(sprite(m).GetSpeed(), 2);
  EXPECT_EQ(drops(), (Places{{MoverX, MoverY + 4}}));
  moved(m);
  EXPECT_EQ(sprite(m).GetY(), MoverY + 2);
  EXPECT_DOUBLE_EQ(sprite(m).GetSpeed(), 2);
  EXPECT_EQ(drops().size(), 1u);
}

}  // namespace
