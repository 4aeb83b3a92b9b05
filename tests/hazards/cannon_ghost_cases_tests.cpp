// Cannons and their bullets and flames, ghosts and following flames, the stars
// of an explosion. Every object image of the fixture is 16 x 16, the player's too.
#include <gtest/gtest.h>

#include "game/LevelAnimations/level_animations.h"
#include "tests/hazards/hazard_level.h"

namespace {

using Cannons = HazardLevel;
using Ghosts = HazardLevel;

TEST_F(Cannons, ACannonFiresTowardsThePlayerEveryFiveSeconds) {
  const struct {
    const char* what;
    int playerX;
    int bulletX, direction;
  } cases[] = {
      {"player to the left", 40, 84, 24},
      {"player to the right", 160, 116, 8},
      {"player at the same x", 100, 116, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int cannon = add(Canyon, 100, 100);
    sprite(cannon).Timer = static_cast<int>(platform::GetTickCount()) - 5000;
    sprite(cannon).State = CannonFiresFlag;
    placePlayer(c.playerX, 100);
    const int first = w().DXSprites->Sprites.Count();
    EXPECT_EQ(contact(cannon), TCaseEnd::Solid);
    ASSERT_EQ(w().DXSprites->Sprites.Count(), first) << "exactly five seconds is not more";
    clock_.advance(1);
    EXPECT_EQ(contact(cannon), TCaseEnd::Solid);
    ASSERT_EQ(w().DXSprites->Sprites.Count(), first + 1);
    EXPECT_EQ(sprite(cannon).Timer, static_cast<int>(platform::GetTickCount()));
    const TGKSprite& b = sprite(first);
    EXPECT_EQ(b.Animation, Bullet);
    EXPECT_EQ(b.GetX(), c.bulletX);
    EXPECT_EQ(b.GetY(), 100);
    EXPECT_EQ(b.Direction, c.direction);
    EXPECT_DOUBLE_EQ(b.GetSpeed(), 2.0);
    EXPECT_DOUBLE_EQ(b.GetMaxSpeed(), 10.0);
    EXPECT_EQ(b.State, CannonFiresFlag) << "shoots off screen like its cannon";
    EXPECT_EQ(b.StartPos, MakeLong(c.bulletX, 100));
    EXPECT_EQ(b.LeftAction, eaNone);
    contact(cannon);
    EXPECT_EQ(w().DXSprites->Sprites.Count(), first + 1) << "one shot per five seconds";
    sprite(cannon).Disable();
  }
}

TEST_F(Cannons, AFlameCannonShootsItsFlameTheWayItsLineSays) {
  const struct {
    int flameDirection;
    int x, direction;
  } cases[] = {{0, 116, 8}, {1, 84, 24}, {7, 116, 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flameDirection);
    const int cannon = add(Ship331, 100, 100);
    sprite(cannon).Param1 = 1;
    sprite(cannon).Param2 = c.flameDirection;
    sprite(cannon).Timer = 0;
    placePlayer(160, 100);  // on the right, whatever the flame's side
    const int first = w().DXSprites->Sprites.Count();
    contact(cannon);
    ASSERT_EQ(w().DXSprites->Sprites.Count(), first + 1);
    const TGKSprite& f = sprite(first);
    EXPECT_EQ(f.Animation, Flame350);
    EXPECT_EQ(f.Direction, c.direction);
    EXPECT_EQ(f.GetX(), c.x);
    EXPECT_EQ(f.GetY(), 100);
    EXPECT_DOUBLE_EQ(f.GetSpeed(), 0);
    sprite(cannon).Disable();
  }
}

TEST_F(Cannons, ABulletIsStompedForDoubleAndFallsAwayHarmless) {
  Level.StompCombo = 3;
  const int bullet = add(Bullet, 100, 100, 24);
  sprite(bullet).SetSpeed(2.0);
  placePlayer(100, 86);
  Level.Score = 0;
  EXPECT_EQ(contact(bullet), TCaseEnd::Next);
  EXPECT_EQ(Level.Score, 600);
  EXPECT_EQ(Level.StompCombo, 4);
  EXPECT_DOUBLE_EQ(player().GetVelocityY(), -3.0);
  EXPECT_EQ(sprite(bullet).Direction, 16);
  EXPECT_EQ(sprite(bullet).State, 1);
  EXPECT_DOUBLE_EQ(sprite(bullet).GetSpeed(), 0.5);
  EXPECT_NEAR(sprite(bullet).GetAcceleration(), 0.2, 1e-4);
  // Falling past the player it neither scores again nor hurts him.
  GameShell.PlayerMode = PlayerBig;
  placePlayer(100, 86);
  EXPECT_EQ(contact(bullet), TCaseEnd::Solid);
  placePlayer(108, 100);
  EXPECT_EQ(contact(bullet), TCaseEnd::Solid);
  EXPECT_EQ(Level.Score, 600);
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig);
}

TEST_F(Cannons, ABulletHurtsWhenItsBottomIsWithinThePlayer) {
  const struct {
    int py;
    TCaseEnd end;
  } cases[] = {{101, TCaseEnd::Leave}, {100, TCaseEnd::Solid}, {116, TCaseEnd::Solid}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.py);
    GameShell.PlayerMode = PlayerBig;
    player().Controlled = true;
    const int bullet = add(Bullet, 100, 100, 24);
  sprite(bullet).SetSpeed(2.0);
    placePlayer(110, c.py);
    EXPECT_EQ(contact(bullet), c.end);
    sprite(bullet).Disable();
  }
}

TEST_F(Ghosts, AGhostStopsWhileLookedAtAndCreepsUpOtherwise) {
  const struct {
    const char* what;
    int ghostX, facing;
    int animation;
    double speed;
  } cases[] = {
      {"right of a player facing it", 200, 8, Ghost1, 0},
      {"left of a player facing it", 20, 24, Ghost1, 0},
      {"right of a player facing away", 200, 24, Ghost2, 1.05},
      {"left of a player facing away", 20, 8, Ghost2, 1.05},
      {"level with the player", 100, 8, Ghost2, 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int ghost = add(Ghost2, c.ghostX, 40, 8);
    sprite(ghost).SetSpeed(1.0);
    placePlayer(100, 100);
    player().SetDirection(c.facing);
    EXPECT_EQ(contact(ghost), TCaseEnd::Solid);
    EXPECT_EQ(sprite(ghost).Animation, c.animation);
    EXPECT_NEAR(sprite(ghost).GetSpeed(), c.speed, 1e-4);
    sprite(ghost).Disable();
  }
}

TEST_F(Ghosts, AGhostSpeedsUpToOneAndAHalfAndHeadsForThePlayer) {
  const int ghost = add(Ghost1, 200, 100, 8, 0);
  placePlayer(100, 100);
  player().SetDirection(24);
  for (int n = 1; n <= 20; ++n) contact(ghost);
  EXPECT_NEAR(sprite(ghost).GetSpeed(), 1.0, 1e-3) << "0.05 a move";
  for (int n = 1; n <= 20; ++n) contact(ghost);
  const double top = sprite(ghost).GetSpeed();
  EXPECT_GE(top, 1.5 - 1e-3);
  EXPECT_LT(top, 1.55) << "it stops speeding up at 1.5";
  contact(ghost);
  EXPECT_DOUBLE_EQ(sprite(ghost).GetSpeed(), top);
  EXPECT_EQ(sprite(ghost).Direction, 24) << "pointed at the player on its left";
  // Touching him hurts.
  GameShell.PlayerMode = PlayerBig;
  sprite(ghost).SetX(110);
  EXPECT_EQ(contact(ghost), TCaseEnd::Leave);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

TEST_F(Ghosts, AFollowingFlameMovesTheWayThePlayerFacesWhileHeLooksAway) {
  const struct {
    const char* what;
    int kind, flameX, facing;
    int animation;
    double speed;
    int direction;
  } cases[] = {
      {"still, looked away from", Flame105, 200, 24, Flame2_106, 1.0, 24},
      {"still, looked away from on the left", Flame105, 20, 8, Flame2_106, 1.0, 8},
      {"following, looked at", Flame2_106, 200, 8, Flame105, 0, 16},
      {"following, looked away from", Flame2_106, 20, 8, Flame2_106, 0.3, 16},
      {"still, looked at", Flame105, 20, 24, Flame105, 0.3, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int flame = add(c.kind, c.flameX, 40, 16);
    sprite(flame).SetSpeed(0.3);
    placePlayer(100, 100);
    player().SetDirection(c.facing);
    EXPECT_EQ(contact(flame), TCaseEnd::Solid);
    EXPECT_EQ(sprite(flame).Animation, c.animation);
    EXPECT_NEAR(sprite(flame).GetSpeed(), c.speed, 1e-4);
    EXPECT_EQ(sprite(flame).Direction, c.direction);
    sprite(flame).Disable();
  }
}

TEST_F(Ghosts, TheStarsOfAnExplosionHurt) {
  GameShell.PlayerMode = PlayerBig;
  ShowStars(108, 108);
  const int stars = StarsPool.first;
  placePlayer(100, 100);
  EXPECT_EQ(contact(stars), TCaseEnd::Leave);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
  EXPECT_EQ(contact(stars), TCaseEnd::Solid) << "not while invulnerable";
}

}  // namespace
