// Discs and their balls, the flying shelled enemy, the player's fireball, moving
// bases, the boomerang thrower and its boomerang, leaping flames and cannons.
#include <gtest/gtest.h>

#include "game/Game/level_state.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/frmMain/shell_state.h"
#include "sized_level.h"

namespace {

using LateKinds = SizedLevel;

TEST_F(LateKinds, ADiscMakesItsBallsOnceOnItsFirstPass) {
  const struct {
    int part1, part2;
    std::vector<std::array<int, 4>> balls;  // x, y, direction, turn
  } cases[] = {{1, 1, {{103, 50, 8, 1}, {97, 150, 24, 1}}},
               {2, 2, {{103, 151, 8, 2}, {97, 49, 24, 2}}},
               {0, 3, {}}};
  placePlayer(0, 0);
  for (const auto& c : cases) {
    const int disc = add(RotoB203, 100, 100);
    sprite(disc).Param2 = c.part1;
    sprite(disc).Param3 = c.part2;
    const int first = w().DXSprites->Sprites.Count();
    contact(disc);
    contact(disc);
    ASSERT_EQ(w().DXSprites->Sprites.Count(), first + static_cast<int>(c.balls.size())) << c.part1;
    for (size_t k = 0; k < c.balls.size(); ++k) {
      TGKSprite& ball = sprite(first + static_cast<int>(k));
      EXPECT_EQ(ball.Animation, RotoB275);
      EXPECT_EQ(ball.GetX(), c.balls[k][0]);
      EXPECT_EQ(ball.GetY(), c.balls[k][1]);
      EXPECT_EQ(ball.Direction, c.balls[k][2]);
      EXPECT_EQ(ball.Param1, c.balls[k][3]);
    }
    sprite(disc).SetX(-500);
  }
}

TEST_F(LateKinds, BallsTurnOneStepEveryFifthCall) {
  placePlayer(0, 0);
  const int clockwise = add(RotoB275, 200, 100, 30, 2.0);
  sprite(clockwise).Param1 = 1;
  const int anti = add(RotoB275, 200, 150, 1, 2.0);
  sprite(anti).Param1 = 2;
  sprite(anti).SetSpeed(2.0);
  sprite(clockwise).Timer = sprite(anti).Timer = 0;  // the step counter
  const int expectClockwise[] = {31, 31, 31, 31, 31, 0};
  const int expectAnti[] = {0, 0, 0, 0, 0, 31};
  for (int call = 0; call < 6; ++call) {
    contact(clockwise);
    contact(anti);
    EXPECT_EQ(sprite(clockwise).Direction, expectClockwise[call]) << call;
    EXPECT_EQ(sprite(anti).Direction, expectAnti[call]) << call;
  }
  // Passing 0 anticlockwise, it keeps the velocity of direction 0 for one step.
  EXPECT_DOUBLE_EQ(sprite(anti).GetVelocityX(), 0.0);
  EXPECT_DOUBLE_EQ(sprite(anti).GetVelocityY(), -2.0);

  GameShell.PlayerMode = PlayerBig;
  placePlayer(200, 84);  // his feet on its top edge
  EXPECT_EQ(contact(clockwise), TCaseEnd::Leave);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

TEST_F(LateKinds, AFlyingShelledEnemyDivesWhenRiddenAndTurnsBackUp) {
  const int enemy = add(FlyingT, 100, 100, 24, 1.0);
  placePlayer(100, 84);  // riding: feet on its top
  contact(enemy);
  EXPECT_EQ(sprite(enemy).Direction, 18);
  EXPECT_EQ(sprite(enemy).State, 1);
  std::vector<int> directions;
  for (int call = 0; call < 8; ++call) {
    contact(enemy);
    directions.push_back(sprite(enemy).Direction);
  }
  EXPECT_EQ(directions, (std::vector<int>{18, 18, 19, 19, 19, 19, 20, 20}));
  placePlayer(0, 0);
  contact(enemy);
  EXPECT_EQ(sprite(enemy).Direction, 24) << "alone it flies left again";
  placePlayer(100, 84);
  contact(enemy);
  EXPECT_NE(sprite(enemy).Direction, 18) << "it dives only once";

  // Met from below (its bottom within his height) it hurts.
  GameShell.PlayerMode = PlayerBig;
  placePlayer(100, 110);
  EXPECT_EQ(contact(enemy), TCaseEnd::Leave);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

TEST_F(LateKinds, TheThrowingPoseEndsAfter200MsInFireMode) {
  GameShell.PlayerMode = PlayerFire;
  const int fireball = PlayerFireballPool.first;
  TGKAnimations& animations = w().DXSprites->Animations;
  animations.GetAnimation(PlayerIdle).DefineSequence(8, 150, {575});
  sprite(fireball).Timer = 100000;
  placePlayer(0, 0);
  clock_.advance(200);
  contact(fireball);
  EXPECT_EQ(animations.GetAnimation(PlayerIdle).GetFrame(8, 0), 575);
  clock_.advance(1);
  contact(fireball);
  EXPECT_EQ(sprite(fireball).Timer, -1);
  const PlayerModeFrames& fire = PlayerFramesFor(PlayerFire);
  EXPECT_EQ(animations.GetAnimation(PlayerIdle).GetFrame(8, 0), fire.idleRight[0]);
  EXPECT_EQ(animations.GetAnimation(PlayerWalk).GetFrame(24, 1), fire.walkLeft[1]);
}

TEST_F(LateKinds, ThePlayersFireballVanishesOffTheScreen) {
  const int fireball = PlayerFireballPool.first;
  placePlayer(0, 0);
  for (auto [x, shown] : {std::pair{-15, true}, {-16, false}, {319, true}, {320, false}}) {
    sprite(fireball).Enable();
    sprite(fireball).Show();
    sprite(fireball).SetX(x);
    sprite(fireball).SetY(100);
    contact(fireball);
    EXPECT_EQ(sprite(fireball).Enabled, shown) << x;
    EXPECT_EQ(sprite(fireball).Visible, shown) << x;
  }
}

TEST_F(LateKinds, MovingBasesStartWhenStoodOnAndGoToAndFro) {
  const int base = add(Generic67, 100, 100, 8);
  sprite(base).Param3 = 1;
  BaseSpeed(sprite(base)) = 2;
  placePlayer(0, 0);
  contact(base);
  EXPECT_DOUBLE_EQ(sprite(base).GetSpeed(), 0.0);
  Level.PrevStandingOnSprite = base;
  contact(base);
  EXPECT_DOUBLE_EQ(sprite(base).GetSpeed(), 2.0);

  sprite(base).Param2 = 1;  // to and fro, 50 pixels each way
  sprite(base).StartPos = MakeLong(100, 100);
  sprite(base).SetX(151);
  contact(base);
  EXPECT_NEAR(sprite(base).GetSpeed(), 1.98, 1e-4);
  sprite(base).SetSpeed(0.05);
  contact(base);
  EXPECT_EQ(sprite(base).Direction, 24);
}

TEST_F(LateKinds, AStompedBoomerangThrowerScoresAThousandTimesTheSeries) {
  Level.StompCombo = 8;
  Level.EncounterFoesLeft = 2;
  const int lives = Level.Lives;
  const int thrower = add(Turvob2, 100, 100, 24);
  placePlayer(100, 88);
  EXPECT_EQ(contact(thrower), TCaseEnd::Next);
  EXPECT_EQ(Level.Score, 8000);
  EXPECT_EQ(Level.StompCombo, 9);
  EXPECT_EQ(Level.EncounterFoesLeft, 1);
  EXPECT_EQ(Level.Lives, lives + 1);
  EXPECT_FALSE(sprite(thrower).Enabled);
  EXPECT_FALSE(sprite(thrower).Visible);
}

TEST_F(LateKinds, AThrowerHurtsOnlyAPlayerItMeets) {
  GameShell.PlayerMode = PlayerBig;
  const int thrower = add(Turvob2, 100, 100, 24);
  placePlayer(200, 104);  // at its height, far away
  EXPECT_EQ(contact(thrower), TCaseEnd::Solid);
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig);
  placePlayer(110, 104);
  EXPECT_EQ(contact(thrower), TCaseEnd::Leave);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

TEST_F(LateKinds, TheThrowerThrowsAfterTwoTurnsAndItsBoomerangComesBack) {
  const int thrower = add(Turvob2, 250, 100, 24);  // a boomerang flies some 140 pixels out
  sprite(thrower).StartPos = MakeLong(250, 100);
  sprite(thrower).Param2 = 0;
  placePlayer(40, 200);  // left of it, out of reach
  // It paces one cell each way, pausing 500 ms at each end, and throws on the second turn.
  int calls = 0;
  while (sprite(thrower).Param4 == 0 && calls < 1000) {
    contact(thrower);
    clock_.advance(25);
    ++calls;
  }
  const int b = sprite(thrower).Param4;
  ASSERT_GT(b, 0) << "no throw";
  EXPECT_EQ(sprite(thrower).Param2, 3);
  EXPECT_EQ(sprite(b).Animation, Boom);
  EXPECT_EQ(sprite(b).State, thrower);
  EXPECT_EQ(sprite(b).Direction, 24);
  EXPECT_EQ(sprite(b).GetY(), sprite(thrower).GetY() - 8);

  // Flown by hand: it rises, slows, turns and is caught once it passes the thrower.
  int phase = 0, steps = 0;
  std::vector<int> phases{0};
  while (sprite(b).Enabled && steps < 2000) {
    sprite(b).X += sprite(b).VelocityX;
    contact(b);
    if (sprite(b).Param1 != phase) phases.push_back(phase = sprite(b).Param1);
    ++steps;
  }
  EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_FALSE(sprite(b).Visible);
  EXPECT_EQ(sprite(thrower).Param2, 0) << "caught: the next throw may come";
  EXPECT_EQ(sprite(b).Direction, 8);
  EXPECT_GT(sprite(b).GetX(), sprite(thrower).GetX());

  // The next throw reuses the same boomerang; lost off screen it frees the thrower too.
  sprite(thrower).Param2 = 2;
  contact(thrower);
  EXPECT_EQ(sprite(thrower).Param4, b);
  EXPECT_TRUE(sprite(b).Enabled);
  sprite(b).SetX(-17);
  contact(b);
  EXPECT_FALSE(sprite(b).Enabled);
  EXPECT_EQ(sprite(thrower).Param2, 0);
}

TEST_F(LateKinds, BoomerangsAndFlamesHurtWithoutEndingTheCall) {
  GameShell.PlayerMode = PlayerFire;
  const int thrower = add(Turvob2, 200, 200);
  const int boomerang = add(Boom, 100, 100, 24, 2.0);
  sprite(boomerang).State = thrower;
  placePlayer(100, 100);
  EXPECT_EQ(contact(boomerang), TCaseEnd::Solid);
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig);

  Level.HurtTimer = -1;
  const int lava = add(Lava, 100, 150);
  const int flame = add(Flame2_337, 100, 100, 0, 4.0);
  sprite(flame).State = lava;
  sprite(flame).Param1 = 1;
  EXPECT_EQ(contact(flame), TCaseEnd::Solid);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);

  // A flame waiting hidden in its surface does not hurt.
  Level.HurtTimer = -1;
  sprite(flame).Hide();
  sprite(flame).Param1 = 0;
  sprite(flame).Timer = 200000;
  EXPECT_EQ(contact(flame), TCaseEnd::Solid);
  EXPECT_FALSE(Level.PlayerDying);
}

TEST_F(LateKinds, AFlameLeapsAtItsTimeFallsBackAndRests) {
  const int lava = add(Lava, 100, 150);
  const int flame = add(Flame2_337, 100, 134, 0, 4.0);
  sprite(flame).State = lava;
  sprite(flame).Disable();
  sprite(flame).Hide();
  sprite(flame).Timer = 100500;
  placePlayer(0, 0);
  contact(flame);
  EXPECT_FALSE(sprite(flame).Visible);
  clock_.advance(501);
  contact(flame);
  EXPECT_TRUE(sprite(flame).Enabled);
  EXPECT_TRUE(sprite(flame).Visible);
  EXPECT_EQ(sprite(flame).Param1, 1);
  EXPECT_NEAR(sprite(flame).GetVelocityY(), -4.0 + 0.2, 1e-4);
  int calls = 0, top = 134;
  while (sprite(flame).Param1 == 1 && calls < 200) {
    sprite(flame).Y += sprite(flame).VelocityY;
    contact(flame);
    top = std::min(top, sprite(flame).GetY());
    ++calls;
  }
  EXPECT_LT(top, 134 - 30) << "it leaps up";
  EXPECT_EQ(sprite(flame).Direction, 16);
  EXPECT_GE(sprite(flame).GetY() + 16, 150);
  EXPECT_FALSE(sprite(flame).Enabled);
  EXPECT_EQ(sprite(flame).Timer, static_cast<int>(100501 + 3000));
}

TEST_F(LateKinds, ShipCannonsAndShootingPipesShootEveryFiveSeconds) {
  const struct {
    int kind;
    int shootFlag;  // Param1; a shooting pipe shoots only when set
    std::vector<std::array<int, 3>> balls;  // x, y, direction
  } cases[] = {{Ship343, 0, {{118, 118, 12}, {100, 100, 28}}},
               {Ship344, 0, {{100, 118, 20}, {118, 100, 4}}},
               {TQPipe355, 1, {{92, 100, 24}}},
               {TQPipe355, 0, {}}};
  placePlayer(0, 0);
  for (const auto& c : cases) {
    const int cannon = add(c.kind, 100, 100);
    sprite(cannon).Param1 = c.shootFlag;
    sprite(cannon).State = CannonFiresFlag;
    sprite(cannon).Timer = static_cast<int>(platform::GetTickCount()) - 5000;
    const int first = w().DXSprites->Sprites.Count();
    contact(cannon);
    EXPECT_EQ(w().DXSprites->Sprites.Count(), first) << "not before 5000 ms";
    clock_.advance(1);
    contact(cannon);
    contact(cannon);
    ASSERT_EQ(w().DXSprites->Sprites.Count(), first + static_cast<int>(c.balls.size())) << c.kind;
    for (size_t k = 0; k < c.balls.size(); ++k) {
      TGKSprite& ball = sprite(first + static_cast<int>(k));
      EXPECT_EQ(ball.Animation, Bullet2);
      EXPECT_EQ(ball.GetX(), c.balls[k][0]) << c.kind << " " << k;
      EXPECT_EQ(ball.GetY(), c.balls[k][1]) << c.kind << " " << k;
      EXPECT_EQ(ball.Direction, c.balls[k][2]) << c.kind << " " << k;
      EXPECT_EQ(ball.State, CannonFiresFlag);
      EXPECT_DOUBLE_EQ(ball.GetSpeed(), 1.25);
      EXPECT_EQ(ball.StartPos, MakeLong(c.balls[k][0], c.balls[k][1]));
    }
    sprite(cannon).Disable();
  }
}

}  // namespace
