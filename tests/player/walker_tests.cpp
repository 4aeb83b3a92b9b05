// Walkers against walls, slopes, ledges and water; the bouncing kinds; the
// activation window that puts off-screen enemies to sleep and wakes them.
#include <gtest/gtest.h>

#include "game/Game/sprite_moved.h"
#include "game/Game/walker_physics.h"
#include "player_world.h"

namespace {

// A slope rising to the right: its lower-left triangle is set.
std::vector<std::string> RisingSlope(int n) {
  std::vector<std::string> rows;
  for (int y = 0; y < n; ++y) rows.push_back(std::string(static_cast<size_t>(n - 1 - y), '.') + std::string(static_cast<size_t>(y + 1), '#'));
  return rows;
}

struct WallCase {
  int kind, walkerX, direction, expectX, expectDirection;
};

TEST(Walkers, TurnFlushAtWallsInBothDirections) {
  const WallCase cases[] = {
      {54, 100, 8, 94, 24},   // right into the wall's left side
      {54, 120, 24, 126, 8},  // left into its right side
      {163, 100, 1, 94, 31},  // the hopping kinds keep their diagonal
      {163, 120, 31, 126, 1},
  };
  for (const WallCase& c : cases) {
    SCOPED_TRACE(c.walkerX + c.direction);
    PlayerWorld world;
    world.sprite(3, 110, 80, 16, 48);                    // the wall
    world.sprite(3, 60, 116, 120, 16);                   // the floor under the walker
    TGKSprite& w = world.sprite(c.kind, c.walkerX, 100, 16, 16);
    w.SetDirection(c.direction);
    LevelSpriteMoved(w);
    EXPECT_EQ(w.GetX(), c.expectX);
    EXPECT_EQ(w.Direction, c.expectDirection);
    EXPECT_EQ(w.GetY(), 100);  // stands on the floor
  }
}

TEST(Walkers, SlopeClimbRoundsHalvesToEven) {
  const std::pair<double, int> cases[] = {{0.75, 0}, {1.5, 1}, {2.25, 2}, {3.0, 2}, {3.75, 2}, {5.25, 4}};
  for (auto [speed, r] : cases) EXPECT_EQ(SlopeClimb(speed), r) << speed;
}

TEST(Walkers, ClimbASlopeByItsPixels) {
  PlayerWorld world;
  world.sprite(8, 110, 84, 16, 16, RisingSlope(16));
  TGKSprite& w = world.sprite(54, 106, 92, 8, 8);
  w.SetDirection(8);
  w.SetSpeed(3.0);  // r = 2: up 3 pixels a move
  LevelSpriteMoved(w);
  EXPECT_EQ(w.GetY(), 92 - 3) << "climbs r + 1, then stands on the slope it touches";
  // Far from the slope's pixels (its empty upper-left corner) nothing happens.
  PlayerWorld far;
  far.sprite(8, 110, 84, 16, 16, RisingSlope(16));
  far.sprite(3, 60, 80, 40, 16);
  TGKSprite& v = far.sprite(54, 90, 72, 8, 8);
  v.SetDirection(8);
  v.SetSpeed(3.0);
  LevelSpriteMoved(v);
  EXPECT_EQ(v.GetY(), 72);
}

TEST(Walkers, Kind57TurnsAtALedgeWhereKind54Falls) {
  for (int kind : {54, 57}) {
    PlayerWorld world;
    TGKSprite& w = world.sprite(kind, 100, 100, 16, 16);
    w.SetDirection(8);
    LevelSpriteMoved(w);
    if (kind == 57) {
      EXPECT_EQ(w.Direction, 24);
      EXPECT_EQ(w.GetY(), 100);
    } else {
      EXPECT_EQ(w.Direction, 8);
      EXPECT_EQ(w.GetY(), 103);
    }
  }
}

TEST(Walkers, FallIntoWaterSplashesOnce) {
  PlayerWorld world;
  world.sprite(278, 80, 90, 64, 64);
  TGKSprite& w = world.sprite(54, 100, 100, 16, 16);
  LevelSpriteMoved(w);
  LevelSpriteMoved(w);
  EXPECT_EQ(w.GetY(), 102) << "one pixel a move in water";
  ASSERT_EQ(EffectCalls.size(), 1u);
  EXPECT_EQ(EffectCalls[0], "drops 100,100");
  EXPECT_EQ(w.Param4, 1);
}

TEST(Walkers, PlayerFireballBouncesOnFloorsAndDiesAtWalls) {
  PlayerWorld world;
  world.sprite(3, 0, 116, 200, 16);
  TGKSprite& f = world.sprite(332, 50, 105, 8, 8);
  f.SetDirection(8);
  LevelSpriteMoved(f);
  EXPECT_DOUBLE_EQ(f.GetVelocityY(), -4);
  EXPECT_EQ(f.GetY(), 108);
  world.sprite(3, 56, 60, 16, 56);
  LevelSpriteMoved(f);
  EXPECT_FALSE(f.Enabled);
  EXPECT_FALSE(f.Visible);
  EXPECT_EQ(EffectCalls.back(), "dust 50,108");
}

TEST(Walkers, Kind55HopsDownAndFindsItsGround) {
  PlayerWorld world;
  world.sprite(3, 0, 120, 200, 16);
  TGKSprite& s = world.sprite(55, 50, 102, 16, 16);
  s.Param3 = 1;
  s.Data = 7;
  s.SetSpeed(1.0);
  LevelSpriteMoved(s);
  EXPECT_EQ(s.GetY(), 104) << "feet within 4 pixels of the ground: set on it";
  EXPECT_DOUBLE_EQ(s.GetSpeed(), 7.0);
}

// Enemy 54 in view of the window or not, with its start point in view or not.
struct WindowCase {
  int x, startX;
  bool enabledAfter;
  int xAfter;
};

TEST(ActivationWindow, SleepsOnlyWhenItAndItsStartAreOffScreen) {
  const WindowCase cases[] = {
      {392, 392, true, 392},   // at the edge of the window (320 - 8 + 80)
      {393, 200, true, 393},   // beyond it, start point on screen: keeps running
      {393, 393, false, 393},  // both off screen: sleeps at its start point
      {500, 395, false, 395},
      {-81, -81 & 0xFFFF, false, -81},
  };
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.x);
    PlayerWorld world;
    TGKSprite& e = world.sprite(54, c.x, 100, 16, 16);
    e.StartPos = MakeLong(c.startX, 100);
    ActivateByWindow(e);
    EXPECT_EQ(e.Enabled, c.enabledAfter);
    EXPECT_EQ(e.Dormant, c.enabledAfter ? 0 : 1);
    EXPECT_EQ(e.GetX(), static_cast<int16_t>(c.xAfter));
  }
}

TEST(ActivationWindow, WakesFacingThePlayerAndOnlyWhatItPutToSleep) {
  PlayerWorld world;
  world.placePlayer(200, 100, 16, 16);
  TGKSprite& sleeper = world.sprite(54, 100, 100, 16, 16);
  sleeper.Disable();
  sleeper.Dormant = 1;
  TGKSprite& stopped = world.sprite(54, 120, 100, 16, 16);
  stopped.Disable();
  ActivateByWindow(sleeper);
  ActivateByWindow(stopped);
  EXPECT_TRUE(sleeper.Enabled);
  EXPECT_EQ(sleeper.Direction, 8);
  EXPECT_EQ(sleeper.Dormant, 1) << "it stays marked as the window's, so the window wakes it again";
  EXPECT_FALSE(stopped.Enabled);
  // A shooter gets its timer set back.
  TGKSprite& cannon = world.sprite(97, 60, 60, 16, 16);
  cannon.Disable();
  cannon.Dormant = 1;
  ActivateByWindow(cannon);
  EXPECT_EQ(cannon.Timer, 100000 - 2000);
}

}  // namespace
