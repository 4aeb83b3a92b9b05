// Quicksand, water, air bubbles and fishes against the player.
#include <gtest/gtest.h>

#include "game/Game/level_state.h"
#include "game/frmMain/shell_state.h"
#include "game/LevelAnimations/level_animations.h"
#include "sized_level.h"

namespace {

using WaterCases = SizedLevel;

TEST_F(WaterCases, OnlyASinkingPlayerHopsOutOfQuicksand) {
  const uint16_t fire1 = w().DXSprites->KeyFire1;
  const struct {
    int kind;
    int playerY;  // the sand's top is at 100
    bool fire1;
    double velocityY;
    double expected;
  } cases[] = {
      {Sand1, 86, true, 0.0, 0.0},    // standing still: nothing
      {Sand1, 86, true, -1.0, -1.0},  // already rising: nothing
      {Sand1, 86, true, 1.0, -4.0},   // high on the surface: a full hop
      {Sand1, 87, true, 1.0, -1.5},   // his width reaches 3 pixels into the sand
      {Sand2, 86, true, 1.0, -1.5},   // the body of the sand
      {Sand1, 86, false, 1.0, 1.0},   // without the key he keeps sinking
  };
  player().JumpAnimation = PlayerJump;
  player().StandAnimation = PlayerIdle;
  for (const auto& c : cases) {
    const int sand = add(c.kind, 100, 100);
    placePlayer(100, c.playerY);
    player().SetAnimation(c.fire1 ? PlayerWalk : player().StandAnimation);
    player().SetVelocityY(c.velocityY);
    c.fire1 ? hold(fire1) : release(fire1);
    TPlayerMove move{player()};
    EXPECT_EQ(KindCases().Get(KindCaseNumber(c.kind))(move, sand), TCaseEnd::Solid);
    EXPECT_TRUE(move.EnteredQuicksand);
    EXPECT_DOUBLE_EQ(player().GetVelocityY(), c.expected) << c.kind << " y " << c.playerY << " vy " << c.velocityY;
    const bool hopped = c.expected != c.velocityY;
    EXPECT_EQ(player().Animation, hopped ? player().JumpAnimation : c.fire1 ? PlayerWalk : player().StandAnimation)
        << c.kind << " y " << c.playerY;
    sprite(sand).Disable();
    sprite(sand).SetX(-500);
  }
}

TEST_F(WaterCases, QuicksandTouchesOnlyInsideTheNarrowedBox) {
  const int sand = add(Sand1, 100, 100);
  for (int x : {84 + 3, 116 - 3}) {  // the player's box less 3 pixels each side
    placePlayer(x, 90);
    TPlayerMove move{player()};
    KindCases().Get(KindCaseNumber(Sand1))(move, sand);
    EXPECT_FALSE(move.EnteredQuicksand) << x;
  }
}

TEST_F(WaterCases, StrokesAreStrongerWithUpOnlyInTheSurfaceWaters) {
  const uint16_t fire1 = w().DXSprites->KeyFire1, up = w().DXSprites->KeyUp;
  const struct {
    int kind;
    bool up;
    double expected;
  } cases[] = {{Water278, true, -5.0}, {Water280, true, -5.0}, {Water281, true, -5.0}, {Water278, false, -1.0},
               {Water282, true, -2.0}, {Water285, false, -2.0}};
  hold(fire1);
  PlayerMedium(player()) = MediumWater;
  for (const auto& c : cases) {
    const int water = add(c.kind, 100, 100);
    placePlayer(100, 96);
    c.up ? hold(up) : release(up);
    TPlayerMove move{player()};
    KindCases().Get(KindCaseNumber(c.kind))(move, water);
    EXPECT_TRUE(move.PlayerInWater);
    EXPECT_DOUBLE_EQ(player().GetVelocityY(), c.expected) << c.kind << " up " << c.up;
    sprite(water).SetX(-500);
  }
}

TEST_F(WaterCases, TheUpperMiddleOfThePlayerMustBeInTheWater) {
  const int water = add(Water282, 100, 100);
  const struct {
    int x, y;
    bool inWater;
  } cases[] = {{100, 96, true}, {100, 95, false},  // the upper half less 3 pixels: y .. y + 4
               {100, 115, true}, {100, 116, false},
               {87, 96, false},  {88, 96, true},   // from x + 5 to x + 12
               {111, 96, false}, {110, 96, true}};
  for (const auto& c : cases) {
    placePlayer(c.x, c.y);
    TPlayerMove move{player()};
    KindCases().Get(KindCaseNumber(Water282))(move, water);
    EXPECT_EQ(move.PlayerInWater, c.inWater) << c.x << "," << c.y;
  }
}

TEST_F(WaterCases, DivingInStopsTheFallAndStartsTheBubblesInTurn) {
  const int water = add(Water282, 100, 100);
  TGKSprite& shown = sprite(Kind286Pool.first + 1);
  shown.Show();
  shown.Timer = 42;
  placePlayer(100, 96);
  player().SetVelocityY(3.0);
  contact(water);
  EXPECT_DOUBLE_EQ(player().GetVelocityY(), 0.0);
  const int now = 100000;
  EXPECT_EQ(sprite(Kind286Pool.first).Timer, now + 1000);
  EXPECT_EQ(shown.Timer, 42) << "a bubble on its way keeps its start";
  EXPECT_EQ(sprite(Kind286Pool.first + 2).Timer, now + 3000);
  for (int k = 0; k < Kind286Pool.count; ++k) EXPECT_EQ(sprite(Kind286Pool.first + k).State, 1);

  // A swimmer is not stopped again.
  PlayerMedium(player()) = MediumWater;
  player().SetVelocityY(1.0);
  sprite(Kind286Pool.first).Timer = 7;
  contact(water);
  EXPECT_DOUBLE_EQ(player().GetVelocityY(), 1.0);
  EXPECT_EQ(sprite(Kind286Pool.first).Timer, 7);
}

TEST_F(WaterCases, SpittingWaterMakesItsFlameOnceWhileEnabled) {
  const int water = add(Water280, 100, 100);
  FlameValue(sprite(water)) = 5;
  sprite(water).Disable();
  placePlayer(0, 0);
  contact(water);
  EXPECT_EQ(sprite(water).Param1, 0) << "a disabled water spits nothing";
  sprite(water).Enable();
  const int count = w().DXSprites->Sprites.Count();
  contact(water);
  contact(water);
  ASSERT_EQ(w().DXSprites->Sprites.Count(), count + 1);
  const int flame = sprite(water).Param1;
  EXPECT_EQ(flame, count);
  EXPECT_EQ(sprite(flame).Animation, Flame2_337);
  EXPECT_EQ(sprite(flame).State, water);
  EXPECT_EQ(sprite(flame).GetY(), 100 - 16);
  EXPECT_DOUBLE_EQ(sprite(flame).GetMaxSpeed(), 5.0);
  EXPECT_FALSE(sprite(flame).Enabled);
  EXPECT_FALSE(sprite(flame).Visible);
  EXPECT_GE(sprite(flame).Timer, 100000);
  EXPECT_LT(sprite(flame).Timer, 104000);
}

TEST_F(WaterCases, BubblesRiseWobblingWhileInWaterAndFollowOrStopWithThePlayer) {
  const int water = add(Water282, 100, 50, 8);
  const int b = Kind286Pool.first;
  TGKSprite& bubble = sprite(b);
  bubble.SetX(100);
  bubble.SetY(60);
  bubble.State = 1;
  bubble.Timer = 100000;
  contact(b);
  EXPECT_FALSE(bubble.Visible) << "nothing before its start time";
  EXPECT_EQ(bubble.GetY(), 60);

  clock_.advance(1);
  const int xs[] = {99, 98, 97, 98, 99};  // left until the wobble counter passes 6
  for (int step = 0; step < 10; ++step) {
    const bool wasVisible = bubble.Visible;
    contact(b);
    EXPECT_NE(bubble.Visible, wasVisible) << "it blinks";
    if (step % 2 == 0) {
      EXPECT_EQ(bubble.GetX(), xs[step / 2]) << step;
    }
  }
  EXPECT_EQ(bubble.GetY(), 55) << "one pixel up every second call";

  // Out of the water: it starts again at a swimmer, and stops for a dry player.
  sprite(water).SetX(-500);
  PlayerMedium(player()) = MediumWater;
  placePlayer(20, 30);
  contact(b);
  EXPECT_EQ(bubble.GetX(), 20);
  EXPECT_EQ(bubble.GetY(), 30);
  EXPECT_EQ(bubble.State, 1);
  PlayerMedium(player()) = MediumDry;
  bubble.Show();
  contact(b);
  EXPECT_EQ(bubble.State, 0);
  EXPECT_FALSE(bubble.Visible);
}

TEST_F(WaterCases, ASwimmingFishIsStompedFromTheShoreButHurtsADiver) {
  const struct {
    int medium;
    int playerY;
    int hurtTimer;
    TCaseEnd end;
    int score;
    bool hurt;
  } cases[] = {
      {MediumDry, 88, -1, TCaseEnd::Next, 300, false},   // feet in its top: stomped (series 3)
      {MediumDry, 100, -1, TCaseEnd::Leave, 0, true},    // its bottom in his height: hurt
      {MediumDry, 100, 2, TCaseEnd::Solid, 0, false},    // not while invulnerable
      {MediumWater, 88, -1, TCaseEnd::Leave, 0, true},   // a diver cannot stomp it
      {MediumWater, 88, 2, TCaseEnd::Solid, 0, false},
  };
  for (const auto& c : cases) {
    Level.Score = 0;
    Level.StompCombo = 3;
    Level.HurtTimer = c.hurtTimer;
    GameShell.PlayerMode = PlayerBig;
    PlayerMedium(player()) = c.medium;
    const int fish = add(Fish, 100, 100, 8, 0.5);
    sprite(fish).StartPos = MakeLong(100, 100);
    placePlayer(100, c.playerY);
    EXPECT_EQ(contact(fish), c.end) << c.medium << " y " << c.playerY;
    EXPECT_EQ(Level.Score, c.score) << c.medium << " y " << c.playerY;
    EXPECT_EQ(!sprite(fish).Enabled, c.end == TCaseEnd::Next);
    EXPECT_EQ(GameShell.PlayerMode == PlayerSmall, c.hurt) << c.medium << " y " << c.playerY;
    sprite(fish).Disable();
    sprite(fish).SetX(-500);
  }
}

TEST_F(WaterCases, ASwimmingFishTurnsBeyondAHundredPixelsFromItsStart) {
  const int fish = add(Fish, 100, 100, 8);
  sprite(fish).SetSpeed(0.5);
  sprite(fish).StartPos = MakeLong(100, 100);
  placePlayer(0, 0);
  sprite(fish).SetX(201);  // past the far end: it slows down, turns and comes back
  int calls = 0;
  while (sprite(fish).Direction == 8 && calls < 100) {
    contact(fish);
    ++calls;
  }
  EXPECT_EQ(sprite(fish).Direction, 24);
  EXPECT_NEAR(calls, 21, 1) << "0.5 down by 0.02 until below 0.1";
  const double turned = sprite(fish).GetSpeed();
  contact(fish);
  EXPECT_NEAR(sprite(fish).GetSpeed(), turned + 0.02, 1e-4) << "heading back it speeds up";
}

TEST_F(WaterCases, CalmAndChasingFishesSwitchByThePlayersDistance) {
  const int fish = add(Fish2, 100, 100, 8, 0);
  placePlayer(100 + 16 + 35, 100);  // 35 pixels away: calm
  contact(fish);
  EXPECT_EQ(sprite(fish).Animation, Fish2);
  placePlayer(100 + 16 + 34, 100);
  contact(fish);
  EXPECT_EQ(sprite(fish).Animation, Fish3);
  EXPECT_EQ(sprite(fish).Param2, 1) << "a still fish speeds up";

  // It chases: it points at the player every 300 ms and speeds up to 1.5.
  sprite(fish).Timer = 100000;
  EXPECT_EQ(contact(fish), TCaseEnd::Solid);
  EXPECT_NEAR(sprite(fish).GetSpeed(), 0.02, 1e-4);
  EXPECT_EQ(sprite(fish).Direction, 8) << "not yet turned";
  clock_.advance(301);
  placePlayer(100, 150);
  contact(fish);
  EXPECT_NEAR(sprite(fish).Direction, 16, 1) << "it points down at the player";
  for (int k = 0; k < 100; ++k) contact(fish);
  EXPECT_EQ(sprite(fish).Param2, 0);
  EXPECT_GE(sprite(fish).GetSpeed(), 1.5);
  EXPECT_LT(sprite(fish).GetSpeed(), 1.53);

  // Beyond 150 pixels sideways it calms down and then sinks slowly.
  placePlayer(100 + 16 + 150, 100);
  contact(fish);
  EXPECT_EQ(sprite(fish).Animation, Fish2);
  EXPECT_EQ(sprite(fish).State, 1);
  sprite(fish).SetDirection(8);
  const int y = sprite(fish).GetY();
  for (int k = 0; k < 4; ++k) contact(fish);
  EXPECT_EQ(sprite(fish).GetY(), y + 2);

  // A chasing fish that reaches the player hurts him and ends the call.
  sprite(fish).SetAnimation(Fish3);
  placePlayer(sprite(fish).GetX(), sprite(fish).GetY());
  GameShell.PlayerMode = PlayerBig;
  EXPECT_EQ(contact(fish), TCaseEnd::Leave);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

}  // namespace
