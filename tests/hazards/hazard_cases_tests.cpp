// The player against lava, spikes and flames, donut blocks, ice and the objects
// that hurt on touch. Every object image of the fixture is 16 x 16, the player's too.
#include <gtest/gtest.h>

#include "game/LevelAnimations/level_animations.h"
#include "tests/hazards/hazard_level.h"

namespace {

using Hazards = HazardLevel;

TEST_F(Hazards, HurtfulGroundAndFlamesReachTheirOwnBoxes) {
  // The object at (100, 100); the player's box is moved about it.
  const struct {
    const char* what;
    int kind, px, py, hurtTimer;
    bool hurts;
  } cases[] = {
      {"standing on spikes", Sculli, 100, 84, -1, true},  // feet on the top row
      {"a pixel above spikes", Sculli, 100, 83, -1, false},
      {"standing on spikes 276", Sculli3, 100, 84, -1, true},
      {"spikes while invulnerable", Sculli, 100, 90, 2, false},
      {"coral", Coral2_342, 90, 100, -1, true},
      {"flame under the feet only", Flame350, 100, 85, -1, false},  // overlaps the bottom row
      {"flame two rows in", Flame351, 100, 86, -1, true},
      {"flame beside", Flame350, 84, 100, -1, false},
      {"fireball 3 pixels into the side", Fireball, 87, 100, -1, false},
      {"fireball 4 pixels into the side", Fireball, 88, 100, -1, true},
      {"plant under the feet", Plant1, 100, 84, -1, true},
      {"spiked walker from the left", Sculli2, 113, 100, -1, false},
      {"spiked walker deeper", Sculli2, 112, 100, -1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    GameShell.PlayerMode = PlayerBig;
    player().Controlled = true;
    Level.HurtTimer = c.hurtTimer;
    const int o = add(c.kind, 100, 100, c.kind == Flame351 ? 0 : 8);  // 351 has upright frames only
    placePlayer(c.px, c.py);
    EXPECT_EQ(contact(o), c.hurts ? TCaseEnd::Leave : TCaseEnd::Solid);
    EXPECT_EQ(GameShell.PlayerMode, c.hurts ? PlayerSmall : PlayerBig);
    EXPECT_FALSE(Level.PlayerDying);
    sprite(o).Disable();
  }
}

TEST_F(Hazards, HiddenOrDisabledHurtersAreOnlySolid) {
  const int plant = add(Plant1, 100, 100), stars = add(Stars, 100, 100), spikes = add(Sculli, 100, 100);
  sprite(plant).Hide();
  sprite(stars).Hide();
  sprite(spikes).Disable();
  GameShell.PlayerMode = PlayerBig;
  placePlayer(100, 100);
  for (int o : {plant, stars, spikes}) EXPECT_EQ(contact(o), TCaseEnd::Solid) << sprite(o).Animation;
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig);
}

TEST_F(Hazards, LavaKillsEvenABigPlayer) {
  for (int kind : {Lava, Generic201}) {
    SCOPED_TRACE(kind);
    Level.PlayerDying = false;
    GameShell.PlayerMode = PlayerFire;
    player().Controlled = true;
    Level.HurtTimer = 3;  // invulnerability does not save him
    const int lava = add(kind, 100, 100);
    placePlayer(100, 84);
    const int lives = Level.Lives;
    EXPECT_EQ(contact(lava), TCaseEnd::Leave);
    EXPECT_TRUE(Level.PlayerDying);
    EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
    EXPECT_EQ(Level.Lives, lives - 1);
    UnfreezeSprites(1);
    sprite(lava).Disable();
  }
}

TEST_F(Hazards, LavaWithAFlameValueMakesItsFlameOnce) {
  const int lava = add(Lava, 100, 100);
  const int still = add(Lava, 200, 100);
  sprite(lava).State = 7;
  placePlayer(10, 10);
  const int count = w().DXSprites->Sprites.Count();
  EXPECT_EQ(contact(lava), TCaseEnd::Solid);
  EXPECT_EQ(contact(still), TCaseEnd::Solid);
  ASSERT_EQ(w().DXSprites->Sprites.Count(), count + 1);
  EXPECT_EQ(sprite(lava).Param1, count);
  TGKSprite& flame = sprite(count);
  EXPECT_EQ(flame.Animation, Flame2_337);
  EXPECT_EQ(flame.GetX(), 100);
  EXPECT_EQ(flame.GetY(), 84);  // one lava height above
  EXPECT_EQ(flame.Direction, 0);
  EXPECT_DOUBLE_EQ(flame.GetMaxSpeed(), 7.0) << "its flame value";
  EXPECT_EQ(flame.State, lava);
  EXPECT_FALSE(flame.Enabled);
  EXPECT_FALSE(flame.Visible);
  EXPECT_EQ(flame.TopAction, eaNone);
  EXPECT_GE(flame.Timer, 100000);
  EXPECT_LT(flame.Timer, 104000);
  contact(lava);
  EXPECT_EQ(w().DXSprites->Sprites.Count(), count + 1) << "a second flame";
}

TEST_F(Hazards, ADonutBlockShakesUnderThePlayerThenFallsAfterASecond) {
  const int donut = add(Generic73, 100, 100);
  placePlayer(100, 84);
  // Stood on from the first frame: the count starts, it does not fall at once.
  contact(donut);
  EXPECT_EQ(sprite(donut).GetX(), 101);
  EXPECT_EQ(sprite(donut).Timer, 100000);
  EXPECT_DOUBLE_EQ(sprite(donut).GetSpeed(), 0);
  clock_.advance(600);
  contact(donut);
  EXPECT_EQ(sprite(donut).GetX(), 100);
  // Stepping off starts the count anew.
  placePlayer(100, 60);
  contact(donut);
  EXPECT_EQ(sprite(donut).Timer, 0);
  placePlayer(100, 85);  // feet 1 pixel into it still count as standing
  contact(donut);
  EXPECT_EQ(sprite(donut).Timer, 100600);
  clock_.advance(1000);
  contact(donut);
  EXPECT_DOUBLE_EQ(sprite(donut).GetSpeed(), 0) << "exactly a second is not more";
  clock_.advance(1);
  contact(donut);
  EXPECT_EQ(sprite(donut).Direction, 16);
  EXPECT_DOUBLE_EQ(sprite(donut).GetSpeed(), 3.0);
  EXPECT_DOUBLE_EQ(sprite(donut).GetMaxSpeed(), 10.0);
  EXPECT_DOUBLE_EQ(sprite(donut).GetAcceleration(), 0.5);
  // Once falling it no longer shakes.
  const int x = sprite(donut).GetX();
  contact(donut);
  EXPECT_EQ(sprite(donut).GetX(), x);
}

TEST_F(Hazards, IceMakesThePlayerSlideUntilHeStandsOnSomethingElse) {
  const int ice = add(Generic75, 100, 100);
  const int otherIce = add(Generic199, 200, 100);
  const int ground = add(Generic3, 300, 100);
  const auto deceleration = [&] { return player().Deceleration.toDouble(); };
  const struct {
    const char* what;
    int px, standingOn;
    double expected;
  } cases[] = {
      {"on the ice", 100, ice, 0.03},
      {"off it, on other ice", 200, otherIce, 0.5},
      {"off it, on the ground", 300, ground, 0.2},
      {"in the air", 300, -1, 0.5},
      {"a stale index", 300, 5000, 0.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    player().SetDeceleration(0.5);
    Level.StandingOnSprite = c.standingOn;
    placePlayer(c.px, 84);
    EXPECT_EQ(contact(ice), TCaseEnd::Solid);
    EXPECT_NEAR(deceleration(), c.expected, 1e-4);
  }
}

}  // namespace
