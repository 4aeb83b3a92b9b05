// The player against terrain sprites: head bumps, side stops, one-way
// platforms, bridges, overlapping solids, riding, landing margins, white panels.
#include <gtest/gtest.h>

#include "game/Game/solid_rule.h"
#include "game/Game/sprite_moved.h"
#include "game/frmMain/shell_state.h"
#include "player_world.h"

namespace {

TCaseEnd Contact(PlayerWorld& world, TPlayerMove& move, const TGKSprite& s) {
  return SolidContact(move, world.indexOf(s));
}

TEST(SolidRule, HeadBumpCountsBothEdgesOfTheBlock) {
  // Player 16 wide: centre column px + 8; block from 100 to 116.
  const std::pair<int, bool> cases[] = {{92, true}, {108, true}, {91, false}, {109, false}};
  for (auto [px, bumps] : cases) {
    SCOPED_TRACE(px);
    PlayerWorld world;
    TGKSprite& block = world.sprite(47, 100, 44, 16, 16);
    world.placePlayer(px, 54, 16, 16, 0);
    world.player().JumpState = jsRising;
    world.player().SetVelocityY(-4);
    TPlayerMove move{world.player()};
    Contact(world, move, block);
    EXPECT_EQ(world.player().GetY(), bumps ? 60 : 54);
    EXPECT_EQ(world.player().JumpState, bumps ? jsFalling : jsRising);
    EXPECT_EQ(move.FlightBlocked, bumps);
  }
}

struct SideCase {
  int direction;
  double velocityY;
  int expectX;
  double expectSpeed, expectVY;
};

TEST(SolidRule, SideStopOnTheGroundAndInTheAir) {
  const SideCase cases[] = {
      {8, 0, 94, 0, 0},     // standing: all motion stops
      {8, 3, 94, 1.8, 3},   // airborne: keeps falling, the run only slows by one step
      {24, 0, 126, 0, 0},   // from the right
      {16, 0, 100, 2, 0},   // facing neither way: never stopped
  };
  for (const SideCase& c : cases) {
    SCOPED_TRACE(c.direction * 10 + c.velocityY);
    PlayerWorld world;
    TGKSprite& wall = world.sprite(3, 110, 80, 16, 48);
    world.placePlayer(c.direction == 24 ? 120 : 100, 100, 16, 16, c.direction);
    TGKJumper& p = world.player();
    if (c.direction != 16) p.SetX(c.direction == 24 ? 120 : 100);
    p.SetSpeed(2.0);
    p.SetDeceleration(0.2);
    p.JumpState = c.velocityY == 0 ? jsGround : jsFalling;
    p.SetVelocityY(c.velocityY);
    TPlayerMove move{p};
    Contact(world, move, wall);
    EXPECT_EQ(p.GetX(), c.expectX);
    if (c.direction != 16) {
      EXPECT_NEAR(p.GetSpeed(), c.expectSpeed, 0.001);
      EXPECT_DOUBLE_EQ(p.GetVelocityY(), c.expectVY);
      EXPECT_TRUE(move.FlightBlocked);
    }
  }
}

TEST(SolidRule, OneWayPlatformsLetThePlayerUpAndHoldHimOnTop) {
  for (int kind : {76, 313}) {
    SCOPED_TRACE(kind);
    PlayerWorld world;
    TGKSprite& platform = world.sprite(kind, 90, 100, 48, 8);
    world.placePlayer(100, 98, 16, 16, 8);  // head inside it from below
    TGKJumper& p = world.player();
    p.JumpState = jsRising;
    p.SetVelocityY(-4);
    TPlayerMove up{p};
    Contact(world, up, platform);
    EXPECT_EQ(p.GetY(), 98);
    EXPECT_EQ(p.JumpState, jsRising);
    p.SetY(82);  // falling back, feet 2 pixels into the top
    p.JumpState = jsFalling;
    p.SetVelocityY(2);
    TPlayerMove down{p};
    Contact(world, down, platform);
    EXPECT_EQ(p.GetY(), 84);
    EXPECT_EQ(p.JumpState, jsGround);
    EXPECT_EQ(Level.StandingOnSprite, world.indexOf(platform));
  }
}

TEST(SolidRule, BridgeStopsNoOneAndCarriesEightPixelsDeep) {
  PlayerWorld world;
  TGKSprite& bridge = world.sprite(107, 110, 96, 64, 16);
  world.placePlayer(100, 90, 16, 16, 8);
  TGKJumper& p = world.player();
  p.JumpState = jsFalling;
  p.SetVelocityY(2);
  TPlayerMove move{p};
  Contact(world, move, bridge);
  EXPECT_EQ(p.GetX(), 100) << "no side stop";
  EXPECT_EQ(p.GetY(), 96 - 16 + 8);
  EXPECT_EQ(p.JumpState, jsGround);
}

TEST(SolidRule, LowestIndexOfTwoOverlappingSolidsIsStoodOn) {
  PlayerWorld world;
  TGKSprite& first = world.sprite(3, 90, 100, 40, 16);
  TGKSprite& second = world.sprite(3, 90, 101, 40, 16);
  world.placePlayer(100, 86, 16, 16, 8);
  world.player().JumpState = jsFalling;
  TPlayerMove move{world.player()};
  Contact(world, move, first);
  Contact(world, move, second);
  EXPECT_EQ(Level.StandingOnSprite, world.indexOf(first));
  EXPECT_EQ(world.player().GetY(), 84);
  EXPECT_EQ(first.Attached, &world.player());
  EXPECT_EQ(second.Attached, nullptr);
}

TEST(SolidRule, AMovingPlatformCarriesThePlayerAndIsLinkedAgainEachMove) {
  PlayerWorld world;
  TGKSprite& base = world.sprite(67, 90, 100, 40, 8);
  world.placePlayer(100, 84, 16, 16, 8);
  TPlayerMove first{world.player()};
  Contact(world, first, base);
  ASSERT_EQ(base.Attached, &world.player());
  base.MoveAttached(Fixed16(3), Fixed16(0));
  EXPECT_EQ(world.player().GetX(), 103);
  TPlayerMove next{world.player()};
  Contact(world, next, base);
  EXPECT_EQ(base.Attached, &world.player());
  EXPECT_EQ(Level.StandingOnSprite, world.indexOf(base));
  // An invisible solid carries nothing, yet it releases the platform.
  TGKSprite& ghost = world.sprite(3, 0, 0, 8, 8);
  ghost.Hide();
  TPlayerMove third{world.player()};
  Contact(world, third, ghost);
  EXPECT_EQ(base.Attached, nullptr);
  EXPECT_EQ(Level.StandingOnSprite, -1);
}

TEST(SolidRule, LandingNeedsMoreOverlapInTheFlyingForm) {
  struct Case {
    int mode, overlap;
    bool lands;
  } cases[] = {{PlayerSmall, 4, false}, {PlayerSmall, 5, true}, {PlayerFlying, 8, false}, {PlayerFlying, 9, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode * 100 + c.overlap);
    PlayerWorld world;
    GameShell.PlayerMode = c.mode;
    TGKSprite& block = world.sprite(3, 100, 100, 16, 16);
    world.placePlayer(100 - 16 + c.overlap, 84, 16, 16, 0);
    world.player().JumpState = jsFalling;
    TPlayerMove move{world.player()};
    Contact(world, move, block);
    EXPECT_EQ(move.Landed, c.lands);
  }
}

TEST(SolidRule, DownHeldOnAWhitePanelDropsThroughAfterFiveSeconds) {
  PlayerWorld world;
  TGKSprite& panel = world.sprite(148, 90, 100, 48, 16);
  world.placePlayer(100, 84, 16, 16, 8);
  world.press(world.mgr().KeyDown);
  TPlayerMove first{world.player()};
  EXPECT_EQ(Contact(world, first, panel), TCaseEnd::Next);
  EXPECT_EQ(panel.Timer, 100000) << "the first landing with Down held stamps the panel";
  world.clock.advance(5000);
  TPlayerMove early{world.player()};
  EXPECT_EQ(Contact(world, early, panel), TCaseEnd::Next);
  world.clock.advance(1);
  TPlayerMove late{world.player()};
  EXPECT_EQ(Contact(world, late, panel), TCaseEnd::Leave);
  EXPECT_TRUE(world.mgr().PlayerBehind);
  EXPECT_EQ(world.player().GetY(), 89);
  EXPECT_EQ(world.player().JumpState, jsFalling);
}

TEST(SolidRule, FirstLandingAfterTheLevelEndWalksThePlayerOff) {
  PlayerWorld world;
  Level.LevelEnded = true;
  Level.Options.Width = 50;
  GameShell.PlayerMode = PlayerBig;
  TGKSprite& floor = world.sprite(3, 0, 100, 300, 16);
  world.placePlayer(100, 84, 16, 16, 24);
  TPlayerMove move{world.player()};
  Contact(world, move, floor);
  TGKJumper& p = world.player();
  EXPECT_EQ(p.StandAnimation, 1);
  EXPECT_EQ(p.Direction, 8);
  EXPECT_DOUBLE_EQ(p.GetSpeed(), 2.0);
  EXPECT_EQ(p.Bounds.Right, 50 * 16);
  EXPECT_EQ(world.mgr().Animations.GetAnimation(1).GetFrame(8, 2), 11);
  EXPECT_EQ(Level.StandingOnSprite, -1) << "recorded from the next landing on";
}

}  // namespace
