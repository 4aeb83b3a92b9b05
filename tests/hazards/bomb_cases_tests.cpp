// Bombs: stomped and lit, carried, thrown or put down, exploding into new
// objects. Every object image of the fixture is 16 x 16, the player's too.
#include <gtest/gtest.h>

#include <vector>

#include "game/LevelAnimations/level_animations.h"
#include "platform/core/random.h"
#include "tests/hazards/hazard_level.h"

namespace {

class Bombs : public HazardLevel {
 protected:
  void SetUp() override {
    HazardLevel::SetUp();
    platform::fixRandomSeed(7);
  }
  void TearDown() override {
    platform::unfixRandomSeed();
    HazardLevel::TearDown();
  }
  // The kinds of the sprites added since index `from`.
  std::vector<int> kindsFrom(int from) {
    std::vector<int> kinds;
    for (int i = from; i < w().DXSprites->Sprites.Count(); ++i) kinds.push_back(sprite(i).Animation);
    return kinds;
  }
  uint16_t key(uint16_t TGKSpriteMgr::*k) { return (*w().DXSprites).*k; }
};

TEST_F(Bombs, AStompLightsTheBombAndScoresBySeries) {
  // Eight stomps in one series: 100 x the series count each, a life from the eighth.
  Level.StompCombo = 1;
  int score = 0;
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE(n);
    const bool fire1 = n % 2 == 0;
    fire1 ? hold(key(&TGKSpriteMgr::KeyFire1)) : release(key(&TGKSpriteMgr::KeyFire1));
    const int bomb = add(Bomb, 100, 100, 24, 0.75);
    placePlayer(100, 86);  // feet 2 pixels into the bomb
    player().SetVelocityY(3);
    const int lives = Level.Lives;
    Level.Score = score;
    EXPECT_EQ(contact(bomb), TCaseEnd::Next);
    EXPECT_EQ(Level.Score - score, 100 * n);
    score = Level.Score;
    EXPECT_EQ(Level.Lives - lives, n >= 8 ? 1 : 0);
    EXPECT_DOUBLE_EQ(player().GetVelocityY(), fire1 ? -7.0 : -3.0);
    EXPECT_EQ(sprite(bomb).Animation, Bomb2);
    EXPECT_DOUBLE_EQ(sprite(bomb).GetSpeed(), 0);
    EXPECT_EQ(sprite(bomb).GetY(), 101);
    EXPECT_EQ(sprite(bomb).Timer, 100000);
    sprite(bomb).Disable();
  }
}

TEST_F(Bombs, AWalkingBombHurtsFromTheSideOnly) {
  const struct {
    const char* what;
    int px, py;
    TCaseEnd end;
    int mode;
  } cases[] = {
      {"beside, same height", 110, 100, TCaseEnd::Leave, PlayerSmall},
      {"beside, a pixel lower", 110, 101, TCaseEnd::Leave, PlayerSmall},
      {"under it", 100, 117, TCaseEnd::Solid, PlayerBig},
      {"not across it", 117, 100, TCaseEnd::Solid, PlayerBig},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    GameShell.PlayerMode = PlayerBig;
    player().Controlled = true;
    Level.HurtTimer = -1;
    const int bomb = add(Bomb, 100, 100);
    placePlayer(c.px, c.py);
    EXPECT_EQ(contact(bomb), c.end);
    EXPECT_EQ(GameShell.PlayerMode, c.mode);
    EXPECT_EQ(sprite(bomb).Animation, Bomb);
    sprite(bomb).Disable();
  }
}

TEST_F(Bombs, ALitBombExplodesAfterOneAndAHalfSecondsAndVanishesASecondLater) {
  const int bomb = add(Bomb2, 100, 100);
  sprite(bomb).Timer = 100000;
  placePlayer(10, 10);
  clock_.advance(1500);
  contact(bomb);
  EXPECT_EQ(sprite(bomb).Animation, Bomb2);
  clock_.advance(1);
  contact(bomb);
  EXPECT_EQ(sprite(bomb).Animation, Bomb3);
  EXPECT_EQ(sprite(bomb).Timer, 101501);
  clock_.advance(1000);
  contact(bomb);
  EXPECT_TRUE(sprite(bomb).Enabled);
  Level.Score = 0;
  const int count = w().DXSprites->Sprites.Count();
  clock_.advance(1);
  EXPECT_EQ(contact(bomb), TCaseEnd::Solid);
  EXPECT_FALSE(sprite(bomb).Enabled);
  EXPECT_FALSE(sprite(bomb).Visible);
  EXPECT_EQ(Level.Score, 500);
  EXPECT_EQ(w().DXSprites->Sprites.Count(), count) << "a bomb without contents leaves nothing";
  const TGKSprite& stars = sprite(StarsPool.first);
  EXPECT_TRUE(stars.Enabled && stars.Visible);
  EXPECT_EQ(stars.GetX(), 100 - stars.Width / 2);
}

TEST_F(Bombs, AnExplosionReleasesWhatTheObjectLineNames) {
  const struct {
    const char* text;
    std::vector<int> released;
  } cases[] = {
      {"-1", {Bomb, Bomb}},
      {"-2", std::vector<int>(8, Coin)},
      {"54", {Wumpet1}},
      {"0", {PlayerIdle}},
      {"-3", {}},
      {"364", {}},
      {"9x", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const int bomb = add(Bomb3, 100, 100);
    sprite(bomb).Data = Level.AddSpriteText(c.text);
    sprite(bomb).Timer = 90000;
    w().CameraX = 1000;
    w().CameraY = 20;
    placePlayer(200, 10);  // to the right of the bomb
    const int first = w().DXSprites->Sprites.Count();
    EXPECT_EQ(contact(bomb), TCaseEnd::Solid);
    EXPECT_FALSE(sprite(bomb).Enabled);
    EXPECT_EQ(kindsFrom(first), c.released);
    for (int i = first; i < w().DXSprites->Sprites.Count(); ++i) {
      const TGKSprite& n = sprite(i);
      EXPECT_EQ(n.GetX(), 100);
      EXPECT_EQ(n.Direction, 8) << "towards the player";
      EXPECT_DOUBLE_EQ(n.GetMaxSpeed(), 10.0);
      EXPECT_GE(n.GetSpeed(), 0.0);
      EXPECT_LE(n.GetSpeed(), 1.8 + 1e-4);
      EXPECT_EQ(n.TopAction, eaNone);
      if (n.Animation != Coin) {
        EXPECT_EQ(n.StartPos, MakeLong(1100, 120)) << "its level position";
      }
      if (n.Animation == Bomb) {
        EXPECT_EQ(n.Data, sprite(bomb).Data) << "the chain goes on";
      }
    }
  }
}

TEST_F(Bombs, ReleasedBombsAndCoinsWrapWithTheLevel) {
  Level.Options.Wrap = true;
  const int bomb = add(Bomb3, 100, 100);
  sprite(bomb).Data = Level.AddSpriteText("-2");
  sprite(bomb).Timer = 90000;
  placePlayer(10, 10);
  const int first = w().DXSprites->Sprites.Count();
  contact(bomb);
  ASSERT_EQ(w().DXSprites->Sprites.Count(), first + 8);
  for (int i = first; i < first + 8; ++i) {
    EXPECT_EQ(sprite(i).LeftAction, eaWrap);
    EXPECT_EQ(sprite(i).RightAction, eaWrap);
    EXPECT_EQ(sprite(i).TopAction, eaNone);
    EXPECT_EQ(sprite(i).Direction, 24) << "the player is to the left";
  }
}

TEST_F(Bombs, Fire2PicksALitBombUpInFrontOfThePlayer) {
  const struct {
    const char* what;
    int mode, facing;
    bool down;
    int x, y;
  } cases[] = {
      {"small, facing right", PlayerSmall, 8, false, 112, 101},
      {"small, facing left", PlayerSmall, 24, false, 88, 101},
      {"big", PlayerBig, 8, false, 112, 108},
      {"big, crouching", PlayerBig, 24, true, 88, 102},
  };
  hold(key(&TGKSpriteMgr::KeyFire2));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (Level.Carrying) SetCarrying(false, nullptr);
    GameShell.PlayerMode = c.mode;
    c.down ? hold(key(&TGKSpriteMgr::KeyDown)) : release(key(&TGKSpriteMgr::KeyDown));
    const int bomb = add(Bomb2, 108, 100);
    sprite(bomb).Timer = 100000;
    placePlayer(100, 100);
    player().SetDirection(c.facing);
    EXPECT_EQ(contact(bomb), TCaseEnd::Solid);
    EXPECT_EQ(sprite(bomb).GetX(), c.x);
    EXPECT_EQ(sprite(bomb).GetY(), c.y);
    EXPECT_EQ(sprite(bomb).Direction, c.facing);
    EXPECT_EQ(sprite(bomb).State, 1);
    EXPECT_TRUE(Level.Carrying);
    EXPECT_EQ(Level.CarriedSprite, &sprite(bomb));
    sprite(bomb).Disable();
  }
}

TEST_F(Bombs, LettingGoThrowsTheBombUnlessDownIsHeld) {
  for (const bool down : {false, true}) {
    SCOPED_TRACE(down ? "put down" : "thrown");
    hold(key(&TGKSpriteMgr::KeyFire2));
    release(key(&TGKSpriteMgr::KeyDown));
    const int bomb = add(Bomb2, 112, 100);
    sprite(bomb).Timer = 100000;
    sprite(bomb).SetMaxSpeed(5.0);
    sprite(bomb).SetDeceleration(0.5);
    placePlayer(100, 100);
    player().SetDirection(8);
    contact(bomb);
    ASSERT_TRUE(Level.Carrying);
    release(key(&TGKSpriteMgr::KeyFire2));
    if (down) hold(key(&TGKSpriteMgr::KeyDown));
    contact(bomb);
    EXPECT_FALSE(Level.Carrying);
    if (down) {
      EXPECT_DOUBLE_EQ(sprite(bomb).GetSpeed(), 0);
    } else {
      // Thrown at its top speed less one step, then a tenth slower each move
      // until it is below 0.5 and stops.
      double speed = 4.5 / 1.1;
      EXPECT_NEAR(sprite(bomb).GetSpeed(), speed, 1e-3);
      EXPECT_EQ(sprite(bomb).Direction, 8);
      placePlayer(10, 10);
      while (speed >= 0.5) {
        contact(bomb);
        speed /= 1.1;
        EXPECT_NEAR(sprite(bomb).GetSpeed(), speed < 0.5 ? 0.0 : speed, 1e-3);
      }
    }
    sprite(bomb).Disable();
  }
}

TEST_F(Bombs, ABombThatExplodesInThePlayersHandsLeavesThem) {
  hold(key(&TGKSpriteMgr::KeyFire2));
  const int bomb = add(Bomb3, 112, 100);
  sprite(bomb).Timer = 100000;
  placePlayer(100, 100);
  player().SetDirection(8);
  contact(bomb);
  ASSERT_TRUE(Level.Carrying);
  clock_.advance(1001);
  contact(bomb);
  EXPECT_FALSE(sprite(bomb).Enabled);
  EXPECT_FALSE(Level.Carrying);
}

}  // namespace
