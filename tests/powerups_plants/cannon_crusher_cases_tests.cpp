// Cannonball cannons and their balls, the shelled walker and the crushing block.
// Sprites and the player are 16 x 16 here.
#include <gtest/gtest.h>

#include "game/LevelAnimations/level_animations.h"
#include "stepping_level.h"

namespace {

using CannonballCases = SteppingLevel;
using CrushingBlock = SteppingLevel;

TEST_F(CannonballCases, EachCannonShootsItsBallFromItsBarrelEveryFiveSeconds) {
  const struct {
    int kind, dx, dy, direction;
  } cases[] = {{227, 4, -4, 4}, {228, -4, -4, 28}, {230, 4, 4, 12}, {231, 0, 4, 20}};
  placePlayer(0, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    const int cannon = add(c.kind, 100, 100);
    sprite(cannon).State = CannonFiresFlag;
    sprite(cannon).Timer = int(clock_.tickCount()) - 5000;
    const int count = w().DXSprites->Sprites.Count();
    EXPECT_EQ(contact(cannon), TCaseEnd::Solid);
    EXPECT_EQ(w().DXSprites->Sprites.Count(), count) << "not after exactly 5000 ms";

    clock_.advance(1);
    EXPECT_EQ(contact(cannon), TCaseEnd::Solid) << "cannons are solid";
    ASSERT_EQ(w().DXSprites->Sprites.Count(), count + 1);
    EXPECT_EQ(sprite(cannon).Timer, int(clock_.tickCount()));
    const TGKSprite& ball = sprite(count);
    EXPECT_EQ(ball.Animation, Bullet2);
    EXPECT_EQ(ball.GetX(), 100 + c.dx);
    EXPECT_EQ(ball.GetY(), 100 + c.dy);
    EXPECT_EQ(ball.Direction, c.direction);
    EXPECT_NEAR(ball.GetSpeed(), 1.25, 1e-4);
    EXPECT_NEAR(ball.GetMaxSpeed(), 10.0, 1e-4);
    EXPECT_EQ(ball.State, CannonFiresFlag) << "the cannon's mark goes with its ball";
    EXPECT_EQ(ball.StartPos, MakeLong(100 + c.dx, 100 + c.dy));
    EXPECT_EQ(ball.LeftAction, eaNone);
    EXPECT_EQ(ball.BottomAction, eaNone);
    const TGKSprite* dust = lastDust();
    ASSERT_NE(dust, nullptr);
    EXPECT_EQ(dust->GetX(), 100 + c.dx);
    EXPECT_EQ(dust->GetY(), 100 + c.dy);

    EXPECT_EQ(contact(cannon), TCaseEnd::Solid);
    EXPECT_EQ(w().DXSprites->Sprites.Count(), count + 1) << "one ball a time";
    sprite(cannon).Disable();
  }
  const int off = add(Canyon4, 100, 100);
  sprite(off).Timer = int(clock_.tickCount()) - 6000;
  sprite(off).Disable();
  const int count = w().DXSprites->Sprites.Count();
  contact(off);
  EXPECT_EQ(w().DXSprites->Sprites.Count(), count) << "a switched-off cannon does not shoot";
}

enum Outcome { Nothing, Stomped, Hurt };

TEST_F(CannonballCases, CannonballsAndTheShelledWalkerAreStompedFromAboveAndHurtFromTheSide) {
  // S is at (100, 100); the player's feet inside its height are a stomp. The
  // walker counts the player over it one pixel further to the left, and hurts
  // him also when their bottoms are level.
  const struct {
    int kind, px, py, combo;
    bool fire1;
    Outcome outcome;
  } cases[] = {
      {Bullet2, 100, 90, 3, false, Stomped},  {Ship363, 100, 84, 1, false, Stomped},
      {Bullet2, 100, 99, 8, true, Stomped},   {Bullet2, 85, 90, 1, false, Stomped},
      {Bullet2, 84, 90, 1, false, Nothing},   {Sheltg2, 84, 90, 1, false, Stomped},
      {Sheltg2, 83, 90, 1, false, Nothing},   {Sheltg2, 100, 90, 8, false, Stomped},
      {Bullet2, 100, 101, 1, false, Hurt},    {Sheltg2, 100, 101, 1, false, Hurt},
      {Bullet2, 100, 100, 1, false, Nothing}, {Sheltg2, 100, 100, 1, false, Hurt},
      {Bullet2, 100, 83, 1, false, Nothing},
  };
  const uint16_t fire1 = w().DXSprites->KeyFire1;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " at " << c.px << "," << c.py);
    GameShell.PlayerMode = PlayerBig;
    Level.HurtTimer = -1;
    Level.Score = 0;
    Level.Lives = 5;
    Level.StompCombo = c.combo;
    c.fire1 ? hold(fire1) : release(fire1);
    const int s = add(c.kind, 100, 100, 24, 0.75);
    sprite(s).Width = sprite(s).Height = 16;  // kind 363's image lies beyond the fixture's images
    placePlayer(c.px, c.py);
    player().SetVelocityY(2);
    const TCaseEnd end = contact(s);
    const TGKSprite& o = sprite(s);
    switch (c.outcome) {
      case Stomped:
        EXPECT_EQ(end, TCaseEnd::Next);
        EXPECT_EQ(Level.Score, 200 * c.combo);
        EXPECT_EQ(Level.StompCombo, c.combo + 1);
        EXPECT_EQ(Level.Lives, c.combo >= 8 ? 6 : 5);
        EXPECT_DOUBLE_EQ(player().GetVelocityY(), c.fire1 ? -7.0 : -3.0);
        if (c.kind == Sheltg2) {
          EXPECT_FALSE(o.Enabled || o.Visible) << "the walker vanishes";
          ASSERT_NE(lastDust(), nullptr);
          EXPECT_EQ(lastDust()->GetX(), 100);
        } else {
          EXPECT_TRUE(o.Enabled && o.Visible) << "the ball drops away";
          EXPECT_EQ(o.Direction, 16);
          EXPECT_EQ(o.Param1, 1);
          EXPECT_NEAR(o.GetSpeed(), 0.5, 1e-4);
          EXPECT_NEAR(o.GetAcceleration(), 0.2, 1e-4);
        }
        break;
      case Hurt:
        EXPECT_EQ(end, TCaseEnd::Leave);
        EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
        EXPECT_EQ(Level.Score, 0);
        break;
      case Nothing:
        EXPECT_EQ(end, TCaseEnd::Solid);
        EXPECT_EQ(GameShell.PlayerMode, PlayerBig);
        EXPECT_EQ(Level.Score, 0);
        EXPECT_EQ(o.Direction, 24);
        break;
    }
    sprite(s).Disable();
    sprite(s).Hide();
  }
}

TEST_F(CannonballCases, AStompedBallFallsAwayWithoutAnotherStompOrAHurt) {
  const int ball = add(Bullet2, 100, 100, 4, 1.25);
  placePlayer(100, 92);  // feet 8 pixels deep, as after a fast fall
  player().SetVelocityY(7);
  ASSERT_EQ(contact(ball), TCaseEnd::Next);
  const int score = Level.Score, combo = Level.StompCombo;
  // The next moves: he rises 3 pixels a move, the ball drops half a pixel and more.
  for (int move = 0; move < 3; ++move) {
    placePlayer(100, player().GetY() - 3);
    step(ball);
    EXPECT_EQ(contact(ball), TCaseEnd::Solid) << move;
    EXPECT_EQ(Level.Score, score) << move;
    EXPECT_EQ(Level.StompCombo, combo) << move;
  }
  placePlayer(100, 101);  // beside it, its bottom inside his height
  EXPECT_EQ(contact(ball), TCaseEnd::Solid);
  EXPECT_FALSE(Level.PlayerDying);
}

TEST_F(CannonballCases, AnInvulnerablePlayerIsNotHurtByABallFromTheSide) {
  Level.HurtTimer = 1;
  const int ball = add(Bullet2, 100, 100);
  placePlayer(100, 101);
  EXPECT_EQ(contact(ball), TCaseEnd::Solid);
  EXPECT_FALSE(Level.PlayerDying);
}

TEST_F(CrushingBlock, ItDropsWhenThePlayerComesWithinSixteenPixelsOfItsColumns) {
  const struct {
    int px;
    bool drops;
  } cases[] = {{68, false}, {69, true}, {100, true}, {131, true}, {132, false}};
  for (const auto& c : cases) {
    w().CameraY = 20;
    const int block = add(Blokk, 100, 50);
    placePlayer(c.px, 150);
    EXPECT_EQ(contact(block), TCaseEnd::Solid);
    const TGKSprite& s = sprite(block);
    EXPECT_EQ(s.State, c.drops ? 1 : 0) << c.px;
    if (c.drops) {
      EXPECT_EQ(s.Direction, 16);
      EXPECT_EQ(s.Param1, 70) << "its rest height as a level y";
      EXPECT_NEAR(s.GetSpeed(), 1.3, 1e-4) << "falling already speeds it up";
    }
    sprite(block).Disable();
  }
}

TEST_F(CrushingBlock, ItLandsOnTheFirstVisibleSolidWithinEightPixelsBelowIt) {
  const struct {
    int kind, x;
    bool visible;
    int landedY;  // -1: it falls through
  } cases[] = {
      {Generic3, 100, true, 104}, {Bridge, 100, true, 112}, {Generic3, 116, true, 104}, {Generic3, 117, true, -1},
      {Generic3, 85, true, 104},  {Generic3, 84, true, -1}, {Coin, 100, true, -1},      {Generic3, 100, false, -1},
  };
  placePlayer(0, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " at " << c.x << (c.visible ? "" : " hidden"));
    const int ground = add(c.kind, c.x, 120);
    if (!c.visible) sprite(ground).Hide();
    const int block = add(Blokk, 100, 90);
    TGKSprite& s = sprite(block);
    s.State = 1;
    s.SetDirection(16);
    s.SetSpeed(1.0);
    for (int n = 0; n < 40 && s.State == 1 && s.GetY() < 200; ++n) {
      contact(block);
      if (s.State == 1) step(block);
    }
    if (c.landedY < 0) {
      EXPECT_EQ(s.State, 1);
    } else {
      EXPECT_EQ(s.State, 2);
      EXPECT_EQ(s.GetY(), c.landedY);
      EXPECT_DOUBLE_EQ(s.GetSpeed(), 0);
      EXPECT_EQ(s.Timer, int(clock_.tickCount()) + 1500);
    }
    sprite(ground).Hide();
    s.Disable();
  }
}

TEST_F(CrushingBlock, OfTwoSolidsInReachTheLowerIndexedOneStopsIt) {
  placePlayer(0, 0);
  const int deeper = add(Generic3, 100, 122);
  add(Generic3, 100, 120);
  const int block = add(Blokk, 100, 101);  // its bottom 8 pixels above 125: both in reach
  sprite(block).State = 1;
  contact(block);
  EXPECT_EQ(sprite(block).State, 2);
  EXPECT_EQ(sprite(block).GetY(), sprite(deeper).GetY() - 16);
}

TEST_F(CrushingBlock, ItRestsAMomentThenRisesBackToWhereItWaited) {
  w().CameraY = 20;
  placePlayer(100, 150);
  add(Generic3, 100, 136);
  const int block = add(Blokk, 100, 50);
  TGKSprite& s = sprite(block);
  for (int n = 0; n < 100 && s.State != 2; ++n) {
    contact(block);
    step(block);
  }
  ASSERT_EQ(s.State, 2);
  EXPECT_EQ(s.GetY(), 120);
  placePlayer(0, 0);  // gone: it must still rise and then wait
  clock_.advance(1499);
  contact(block);
  EXPECT_EQ(s.State, 2);
  clock_.advance(1);
  contact(block);
  EXPECT_EQ(s.State, 3);
  EXPECT_EQ(s.Direction, 0);
  EXPECT_NEAR(s.GetSpeed(), 1.5, 1e-4);
  for (int n = 0; n < 100 && s.State == 3; ++n) {
    step(block);
    contact(block);
  }
  EXPECT_EQ(s.State, 0);
  EXPECT_EQ(s.GetY(), 50);
  EXPECT_DOUBLE_EQ(s.GetSpeed(), 0);
  contact(block);
  EXPECT_EQ(s.State, 0) << "the player is away";
}

TEST_F(CrushingBlock, ItHurtsInsideThePlayersSidesAndAPixelBelowHisFeet) {
  const struct {
    int px, py;
    bool hurts;
  } cases[] = {{100, 84, true}, {100, 83, false}, {112, 110, true}, {113, 110, false},
               {88, 110, true}, {87, 110, false}, {100, 115, true}, {100, 116, false}};
  for (const auto& c : cases) {
    GameShell.PlayerMode = PlayerBig;
    Level.HurtTimer = -1;
    const int block = add(Blokk, 100, 100);
    sprite(block).State = 2;  // resting
    sprite(block).Timer = int(clock_.tickCount()) + 1000;
    placePlayer(c.px, c.py);
    EXPECT_EQ(contact(block), c.hurts ? TCaseEnd::Leave : TCaseEnd::Solid) << c.px << "," << c.py;
    EXPECT_EQ(GameShell.PlayerMode, c.hurts ? PlayerSmall : PlayerBig) << c.px << "," << c.py;
    sprite(block).Disable();
  }
}

}  // namespace
