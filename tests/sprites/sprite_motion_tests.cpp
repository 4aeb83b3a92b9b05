#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "components/gkspts/directions.h"
#include "sprite_fixture.h"

namespace {

TEST(DirectionTable, HoldsTheRoundedUnitVectors) {
  EXPECT_EQ(DirX(8).raw(), 65536);
  EXPECT_EQ(DirY(0).raw(), -65536);
  EXPECT_EQ(DirX(1).raw(), 12785);
  EXPECT_EQ(DirX(4).raw(), 46341);
  EXPECT_EQ(DirX(7).raw(), 64277);
  for (int d = 0; d < 32; ++d) {
    const double a = d * 11.25 * std::numbers::pi / 180;
    EXPECT_EQ(DirX(d).raw(), std::lround(std::sin(a) * 65536)) << d;
    EXPECT_EQ(DirY(d).raw(), std::lround(-std::cos(a) * 65536) + 0) << d;
  }
  EXPECT_DOUBLE_EQ(DirectionX(24), -1.0);
  EXPECT_THROW(DirectionX(32), EGKSprite);
  EXPECT_THROW(DirY(-1), EGKSprite);
}

TEST(SpriteMotion, ConstructorsSetTheirKindsDefaults) {
  SpriteWorld w;
  TGKSprite& b = w.mgr.Sprites.GetSprite(w.mgr.Sprites.AddBouncer(7, 10, -20, 4, 2.0, 0));
  EXPECT_EQ(b.Tag, 7);
  EXPECT_EQ(b.GetX(), 10);
  EXPECT_EQ(b.GetY(), -20);
  EXPECT_EQ(b.Speed, 0);
  EXPECT_EQ(b.MaxSpeed, 2);
  EXPECT_EQ(b.Acceleration, 2);
  EXPECT_EQ(b.Timer, -1);
  EXPECT_TRUE(b.Visible && b.Enabled && b.Controlled);
  EXPECT_EQ(b.LeftAction, eaBounce);
  EXPECT_EQ(b.BottomAction, eaBounce);

  w.mgr.Sprites.AddStatic(0, 5, 5, 0);
  auto& s = dynamic_cast<TGKStatic&>(w.mgr.Sprites.GetSprite(1));
  EXPECT_EQ(s.Direction, 8);
  EXPECT_EQ(s.StaticSequence, 8);
  EXPECT_EQ(s.KeyPollInterval, 50);
  EXPECT_EQ(s.TopAction, eaWrap);

  auto& j = dynamic_cast<TGKJumper&>(w.mgr.Sprites.GetSprite(w.mgr.Sprites.AddJumper(0, 0, 0, 8, 3.0, 0)));
  EXPECT_EQ(j.MaxSpeed, 3);
  EXPECT_EQ(j.Acceleration.raw(), 13107);
  EXPECT_EQ(j.Deceleration.raw(), 13107);
  EXPECT_EQ(j.Gravity.raw(), 19661);
  EXPECT_EQ(j.MaxFall.raw(), 327680);
  EXPECT_EQ(j.JumpStrength, 6);
  EXPECT_EQ(j.RightAction, eaStop);
  EXPECT_EQ(j.JumpState, jsGround);
}

TEST(SpriteMotion, TheFirstMoveReachesFullSpeedAlongTheDirection) {
  SpriteWorld w;
  TGKSprite& b = w.bouncer(20, 50, 4, 2.0);
  b.SetEdgeActions(eaNone);
  w.mgr.MoveSprites();
  EXPECT_EQ(b.Speed, 2);
  EXPECT_EQ(b.VelocityX.raw(), 92682);
  EXPECT_EQ(b.VelocityY.raw(), -92682);
  EXPECT_EQ(b.X.raw(), Fixed16(20).raw() + 92682);
  EXPECT_EQ(b.Y.raw(), Fixed16(50).raw() - 92682);
}

TEST(SpriteMotion, SpeedIsClampedByMaxSpeedOnlyWhenAccelerating) {
  SpriteWorld w;
  TGKSprite& s = w.bouncer(0, 0, 8);
  s.SetMaxSpeed(3);
  s.SetAcceleration(0.5);
  s.SetSpeed(10);  // beyond MaxSpeed on purpose, as the game does
  EXPECT_DOUBLE_EQ(s.GetSpeed(), 10);
  EXPECT_DOUBLE_EQ(s.GetVelocityX(), 10);
  s.Accelerate();  // any speed above MaxSpeed comes down to it
  EXPECT_DOUBLE_EQ(s.GetSpeed(), 3);
  EXPECT_DOUBLE_EQ(s.GetVelocityX(), 3);

  struct Case {
    double speed, acceleration, expected;
  } up[] = {{0, 0.5, 0.5}, {2.75, 0.5, 3}, {3, 0.5, 3}, {-1, 2, 1}};
  for (const Case& c : up) {
    s.SetSpeed(c.speed);
    s.SetAcceleration(c.acceleration);
    s.Accelerate();
    EXPECT_DOUBLE_EQ(s.GetSpeed(), c.expected) << c.speed;
  }
  s.SetMinSpeed(1);
  s.SetDeceleration(0.75);
  s.SetSpeed(1.5);
  s.Decelerate();
  EXPECT_DOUBLE_EQ(s.GetSpeed(), 1);  // floored at MinSpeed
}

TEST(SpriteMotion, BouncesMirrorOneComponent) {
  SpriteWorld w;
  TGKSprite& s = w.bouncer(0, 0, 0);
  struct Case {
    int from, horizontal, vertical;
  } cases[] = {{0, 0, 16}, {8, 24, 8}, {16, 16, 0}, {24, 8, 24}, {4, 28, 12}, {20, 12, 28}, {31, 1, 17}};
  for (const Case& c : cases) {
    s.SetDirection(c.from);
    s.BounceHorizontal();
    EXPECT_EQ(s.Direction, c.horizontal) << c.from;
    s.SetDirection(c.from);
    s.BounceVertical();
    EXPECT_EQ(s.Direction, c.vertical) << c.from;
  }
  s.SetSpeed(1);
  s.SetDirection(8);
  s.BounceHorizontal();
  EXPECT_DOUBLE_EQ(s.GetVelocityX(), -1);  // the velocity turns with the direction
}

TEST(SpriteMotion, PointToTurnsTowardsTheNearestDirection) {
  SpriteWorld w;
  TGKSprite& s = w.bouncer(100, 100, 16);
  s.Width = s.Height = 0;  // centre (100, 100)
  struct Case {
    int px, py, direction;
  } cases[] = {
      {110, 100, 8},  {90, 100, 24}, {100, 90, 0},  {100, 110, 16},  // level and vertical
      {110, 90, 4},   {110, 110, 12}, {90, 110, 20}, {90, 90, 28},   // 45 degrees
      {120, 90, 6},   {90, 120, 18}, {100, 100, 0},                  // 63.4 and 206.6 degrees; on the centre
  };
  for (const Case& c : cases) {
    s.SetDirection(16);
    s.PointTo(c.px, c.py);
    EXPECT_EQ(s.Direction, c.direction) << c.px << "," << c.py;
  }
  s.Width = 21;  // centre x = 100 + 21 div 2
  s.PointTo(105, 100);
  EXPECT_EQ(s.Direction, 24);
}

TEST(SpriteMotion, DirectionsOutsideTheTableAreRefused) {
  SpriteWorld w;
  TGKSprite& s = w.bouncer(0, 0, 3);
  EXPECT_THROW(s.SetDirection(32), EGKSprite);
  EXPECT_THROW(s.SetSequence(-1), EGKSprite);
  EXPECT_THROW(w.mgr.Sprites.AddBouncer(0, 0, 0, 40, 1.0, 0), EGKSprite);
  EXPECT_EQ(s.Direction, 3);
}

TEST(SpriteMotion, AttachedSpriteRidesAlong) {
  SpriteWorld w;
  TGKSprite& platform = w.bouncer(10, 50, 8, 1.5, 0);
  TGKSprite& rider = w.bouncer(12, 40, 0, 0, 1);
  platform.SetEdgeActions(eaNone);
  rider.Disable();
  platform.Attach(&rider);
  w.mgr.MoveSprites();
  w.mgr.MoveSprites();
  EXPECT_EQ(rider.X, Fixed16(15));
  EXPECT_EQ(rider.Y, Fixed16(40));
  platform.Detach();
  w.mgr.MoveSprites();
  EXPECT_EQ(rider.X, Fixed16(15));
}

}  // namespace
