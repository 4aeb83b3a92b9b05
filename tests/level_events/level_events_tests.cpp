// Level events on a hand-built level: the end and its card bonus, death and
// hurt, coins, bricks, bonus blocks, carrying, freezing and the message box.
#include <gtest/gtest.h>

#include "components/ZEZStar/star_field.h"
#include "game/LevelAnimations/level_animations.h"
#include "level_fixture.h"

namespace {

using LevelEvents = LevelFixture;

TEST(CardBonus, ThreeEqualFacesGiveMoreLivesAndEmptySlotsGiveNone) {
  const std::array<int, 3> faces{99, 100, 101};
  const struct {
    std::array<int, 3> cards;
    int nextSlot, lives;
  } cases[] = {{{99, 99, 99}, 0, 2},  {{100, 100, 100}, 0, 3}, {{101, 101, 101}, 0, 5},
               {{99, 100, 101}, 0, 1}, {{101, 101, 99}, 0, 1},  {{99, 99, 0}, 2, 0},
               {{99, 0, 0}, 1, 0},     {{0, 0, 0}, 0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(CardBonusFor(c.cards, c.nextSlot, faces), c.lives) << c.cards[0] << c.cards[1] << c.cards[2];
}

TEST_F(LevelEvents, TheCardBonusIsGivenOnceNearTheEndOfTheCountdown) {
  w().Cards = {101, 101, 101};
  w().NextCardSlot = 0;
  Level.Lives = 3;
  Level.LevelEnded = true;
  Level.EndStage = 3;
  DrawLevelEndOverlay();
  EXPECT_EQ(Level.Lives, 3) << "not before the last two seconds";
  Level.EndStage = 1;
  DrawLevelEndOverlay();
  DrawLevelEndOverlay();
  EXPECT_EQ(Level.Lives, 8);
  EXPECT_EQ(w().CardBonusLives, 5);
  EXPECT_EQ(w().Cards, (std::array<int, 3>{0, 0, 0}));
}

TEST_F(LevelEvents, FewerThanThreeCardsStayForTheNextLevel) {
  w().Cards = {99, 100, 0};
  w().NextCardSlot = 2;
  Level.Lives = 3;
  Level.EndStage = 0;
  DrawLevelEndOverlay();
  EXPECT_EQ(Level.Lives, 3);
  EXPECT_EQ(w().Cards, (std::array<int, 3>{99, 100, 0}));
}

TEST_F(LevelEvents, LevelEndTurnsEnemiesInViewIntoCoinsAndStopsThePlayer) {
  const int near = add(Wumpet1, 50, 50);
  const int off = add(Wumpet1, 400, 50);
  const int block = add(Block, 60, 60);
  const int hidden = add(TurvoR, 80, 50);
  sprite(hidden).Hide();
  StartLevelEnd();
  EXPECT_TRUE(Level.LevelEnded);
  EXPECT_EQ(Level.EndStage, 7);
  EXPECT_EQ(sprite(near).Animation, Coin2);
  EXPECT_EQ(sprite(near).Direction, 0);
  EXPECT_DOUBLE_EQ(sprite(near).GetSpeed(), 8.0);
  EXPECT_EQ(sprite(near).Param1, 50 + 16);
  for (int i : {off, block, hidden}) EXPECT_NE(sprite(i).Animation, Coin2) << i;
  EXPECT_EQ(Level.Coins, 1);
  EXPECT_EQ(Level.Score, 100);
  EXPECT_FALSE(player().Controlled);
  EXPECT_DOUBLE_EQ(player().GetVelocityY(), 3.5);

  // A second end changes nothing.
  Level.EndStage = 4;
  const int more = add(Wumpet1, 20, 20);
  StartLevelEnd();
  EXPECT_EQ(Level.EndStage, 4);
  EXPECT_EQ(sprite(more).Animation, Wumpet1);
}

TEST_F(LevelEvents, KillPlayerDoesNothingWhileGuarded) {
  const struct {
    const char* why;
    void (*arrange)(TfmMain&);
  } cases[] = {
      {"level ended", [](TfmMain&) { Level.LevelEnded = true; }},
      {"level won, the player in control", [](TfmMain&) { Level.LevelWon = true; }},
      {"pipe travel", [](TfmMain&) { Level.PipeTravel = true; }},
      {"already dying", [](TfmMain&) { Level.PlayerDying = true; }},
      {"not controlled", [](TfmMain&) { Level.Player->Controlled = false; }},
  };
  for (const auto& c : cases) {
    Level.LevelEnded = Level.LevelWon = Level.PlayerDying = Level.PipeTravel = false;
    player().Controlled = true;
    Level.Lives = 4;
    c.arrange(w());
    const bool dying = Level.PlayerDying;
    KillPlayer();
    EXPECT_EQ(Level.Lives, 4) << c.why;
    EXPECT_EQ(Level.PlayerDying, dying) << c.why;
  }
  // Behind the scenery, out of a pipe, the player is mortal.
  Level.LevelEnded = Level.LevelWon = Level.PlayerDying = Level.PipeTravel = false;
  player().Controlled = true;
  w().DXSprites->PlayerBehind = true;
  KillPlayer();
  EXPECT_TRUE(Level.PlayerDying);
}

TEST_F(LevelEvents, KillPlayerMakesThePlayerSmallFreezesTheLevelAndShowsTheDeathFrame) {
  const int enemy = add(Wumpet1, 50, 50);
  const int waterfall = add(Generic5, 70, 50);
  GameShell.PlayerMode = PlayerFire;
  Level.Lives = 4;
  KillPlayer();
  EXPECT_TRUE(Level.PlayerDying);
  EXPECT_EQ(Level.Lives, 3);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
  EXPECT_FALSE(sprite(enemy).Enabled);
  EXPECT_TRUE(sprite(waterfall).Enabled);
  EXPECT_TRUE(player().Enabled);
  EXPECT_FALSE(player().Controlled);
  EXPECT_NEAR(player().GetGravity(), 0.23, 1e-4);
  for (int a : {0, 1, 2}) EXPECT_EQ(w().DXSprites->Animations.GetAnimation(a).GetFrame(24, 0), 6) << a;
  EXPECT_TRUE(w().MainTimer.Enabled());
}

TEST_F(LevelEvents, WithoutItsTuneTheDeathEndsAfterTheTunesTime) {
  const struct {
    int lives;
    bool toMap;
  } cases[] = {{3, true}, {1, false}};
  for (const auto& c : cases) {
    Level.PlayerDying = false;
    Level.ReturnToMap = false;
    player().Controlled = true;
    Level.Lives = c.lives;
    WorldMap.MapPosition = 5;
    KillPlayer();
    clock_.advance(DeathTuneMs - 1);
    CheckDeathSequenceEnd();
    EXPECT_FALSE(Level.ReturnToMap);
    clock_.advance(1);
    CheckDeathSequenceEnd();
    EXPECT_EQ(Level.ReturnToMap, c.toMap) << c.lives;
    EXPECT_EQ(WorldMap.MapPosition, c.toMap ? 13 : 5);
    ResetLevelEvents();
  }
}

TEST_F(LevelEvents, HurtTakesOneModeDownAndKillsTheSmallPlayer) {
  const struct {
    int mode, after;
    bool dies;
  } cases[] = {{PlayerSmall, PlayerSmall, true}, {PlayerBig, PlayerSmall, false},
               {PlayerFlying, PlayerBig, false}, {PlayerFire, PlayerBig, false}};
  for (const auto& c : cases) {
    Level.PlayerDying = false;
    player().Controlled = true;
    GameShell.PlayerMode = c.mode;
    HurtPlayer();
    EXPECT_EQ(GameShell.PlayerMode, c.after) << c.mode;
    EXPECT_EQ(Level.PlayerDying, c.dies) << c.mode;
    ResetLevelEvents();
  }
  Level.PlayerDying = false;
  GameShell.PlayerMode = PlayerBig;
  player().Controlled = false;
  HurtPlayer();
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig) << "not while the player is out of control";
  player().Controlled = true;
  Level.LevelWon = true;
  HurtPlayer();
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig) << "not in a won level";
  Level.LevelWon = false;
}

TEST_F(LevelEvents, TheHundredthCoinGivesALife) {
  Level.Coins = 98;
  Level.Lives = 2;
  CollectCoin();
  EXPECT_EQ(Level.Coins, 99);
  EXPECT_EQ(Level.Lives, 2);
  CollectCoin();
  EXPECT_EQ(Level.Coins, 0);
  EXPECT_EQ(Level.Lives, 3);
  EXPECT_EQ(Level.Score, 200);
}

TEST_F(LevelEvents, BrokenBricksUseTheFragmentGroupsInTurn) {
  for (int group : {0, 4, 8, 0}) {
    const int brick = add(Block, 40 + group * 10, 80);
    BreakBrick(brick);
    EXPECT_FALSE(sprite(brick).Enabled);
    EXPECT_FALSE(sprite(brick).Visible);
    const int bx = sprite(brick).GetX();
    const struct {
      int dx, dy, direction;
      double speed;
    } pieces[] = {{0, 0, 31, 11.0}, {0, 8, 30, 8.0}, {8, 0, 1, 11.0}, {8, 8, 2, 8.0}};
    for (int k = 0; k < 4; ++k) {
      TGKSprite& f = sprite(BrickFragPool.first + group + k);
      EXPECT_TRUE(f.Enabled && f.Visible) << group << " " << k;
      EXPECT_EQ(f.GetX(), bx + pieces[k].dx) << group << " " << k;
      EXPECT_EQ(f.GetY(), 80 + pieces[k].dy) << group << " " << k;
      EXPECT_EQ(f.Direction, pieces[k].direction) << group << " " << k;
      EXPECT_DOUBLE_EQ(f.GetMaxSpeed(), pieces[k].speed) << group << " " << k;
    }
    for (int k = 0; k < BrickFragPool.count; ++k) sprite(BrickFragPool.first + k).Disable();
  }
  EXPECT_EQ(Level.Score, 40);
}

TEST_F(LevelEvents, StarsAndCoinPopsTakeTheirRingsSpritesInTurn) {
  const struct {
    const char* what;
    TEffectPool pool;
    void (*show)(int, int);
  } rings[] = {{"stars", StarsPool, ShowStars}, {"coin pops", CoinPopPool, ShowCoinPop}};
  for (const auto& r : rings) {
    SCOPED_TRACE(r.what);
    // One more call than the ring holds: the last comes back to the first sprite.
    for (int n = 0; n <= r.pool.count; ++n) {
      const int x = 40 + 20 * n, y = 120;
      r.show(x, y);
      TGKSprite& s = sprite(r.pool.first + n % r.pool.count);
      EXPECT_TRUE(s.Enabled && s.Visible) << n;
      EXPECT_EQ(s.Animation, r.pool.kind) << n;
      if (r.show == ShowStars) {  // centred on the point
        EXPECT_EQ(s.GetX(), x - s.Width / 2) << n;
        EXPECT_EQ(s.GetY(), y - s.Height / 2) << n;
      } else {  // standing on the point, rising until back at it
        EXPECT_EQ(s.GetX(), x) << n;
        EXPECT_EQ(s.GetY(), y - s.Height - 1) << n;
        EXPECT_EQ(s.Param1, y) << n;
        EXPECT_EQ(s.Direction, 0) << n;
      }
    }
  }
}

TEST_F(LevelEvents, BonusBlockContentsGiveACoinOrAnItem) {
  const struct {
    const char* contents;
    int mode;
    int item;  // kind of the new sprite, -1 for a coin
    bool rises;
    double speed;
  } cases[] = {{"", PlayerSmall, -1, false, 0},       {"49", PlayerBig, -1, false, 0},
               {"162", PlayerSmall, 62, true, 1.5},   {"162", PlayerBig, 162, false, 1.5},
               {"334", PlayerSmall, 62, true, 1.5},   {"54", PlayerBig, 54, false, 3.0},
               {"97", PlayerBig, 97, false, 0.5},     {"41", PlayerBig, 41, false, 0},
               {"364", PlayerBig, -1, false, 0},      {"-3", PlayerBig, -1, false, 0},
               {"12x", PlayerBig, -1, false, 0}};
  for (const auto& c : cases) {
    GameShell.PlayerMode = c.mode;
    const int block = add(Quest1, 150, 80);
    sprite(block).Data = Level.AddSpriteText(c.contents);
    const int coins = Level.Coins;
    const int count = w().DXSprites->Sprites.Count();
    HitBonusBlock(block);
    EXPECT_EQ(sprite(block).Animation, Square1) << c.contents;
    EXPECT_EQ(sprite(block).Timer, 7) << c.contents;
    if (c.item == -1) {
      EXPECT_EQ(Level.Coins, coins + 1) << c.contents;
      EXPECT_EQ(w().DXSprites->Sprites.Count(), count) << c.contents;
      continue;
    }
    ASSERT_EQ(w().DXSprites->Sprites.Count(), count + 1) << c.contents;
    TGKSprite& item = sprite(count);
    EXPECT_EQ(item.Animation, c.item) << c.contents;
    EXPECT_EQ(item.Direction, 8) << "away from the player on its left " << c.contents;
    EXPECT_DOUBLE_EQ(item.GetMaxSpeed(), c.speed) << c.contents;
    EXPECT_EQ(item.Visible, !c.rises) << c.contents;
    EXPECT_EQ(item.GetY(), c.rises ? 80 : 64) << c.contents;
    EXPECT_EQ(item.Param2, block) << c.contents;
    EXPECT_EQ(item.Timer, static_cast<int>(clock_.tickCount())) << c.contents;
  }
}

TEST_F(LevelEvents, FreezesNestAndRestoreEverySpriteAsItWas) {
  Level.Options.RainSpeed = 6;
  const int walking = add(Wumpet1, 50, 50);
  const int asleep = add(Wumpet1, 60, 50);
  sprite(asleep).Disable();
  sprite(asleep).Dormant = 1;
  const int waterfall = add(Generic5, 70, 50);

  FreezeSprites(1);  // a pipe exit
  EXPECT_FALSE(sprite(walking).Enabled);
  EXPECT_EQ(sprite(asleep).Dormant, 0);
  EXPECT_TRUE(sprite(waterfall).Enabled);
  EXPECT_EQ(w().DXRain1->Velocity, -2);
  FreezeSprites(0);  // pause
  EXPECT_FALSE(player().Enabled);
  UnfreezeSprites(0);  // resume: only the player moves again
  EXPECT_TRUE(player().Enabled);
  EXPECT_FALSE(sprite(walking).Enabled);
  EXPECT_EQ(w().DXRain1->Velocity, -2);
  UnfreezeSprites(1);  // the pipe exit ends
  EXPECT_TRUE(sprite(walking).Enabled);
  EXPECT_FALSE(sprite(asleep).Enabled);
  EXPECT_EQ(sprite(asleep).Dormant, 1);
  EXPECT_EQ(w().DXRain1->Velocity, 3);
  EXPECT_EQ(w().DXRain2->Velocity, 1);
  UnfreezeSprites(1);  // nothing left to undo
  EXPECT_TRUE(sprite(walking).Enabled);
}

TEST(MessageBoxLines, ThirteenCharactersALineBreakingAtTheSpacesEveryThirteenth) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {{"", {""}},
               {"Hola", {"HOLA"}},
               {"hello world, how are you", {"HELLO WORLD, ", "HOW ARE YOU"}},
               // Spaces as 13th and 26th characters: the lines between them.
               {"Pulsa abajo  para entrar  y salir", {"PULSA ABAJO  ", "PARA ENTRAR ", "Y SALIR"}},
               // Anything else there starts the next line again.
               {"ABCDEFGHIJKLM", {"ABCDEFGHIJKLM", "M"}},
               {"ABCDEFGHIJKLM NOPQRSTUVWXYZ", {"ABCDEFGHIJKLM", "M NOPQRSTUVWX", "YZ"}}};
  for (const auto& c : cases) EXPECT_EQ(MessageBoxLines(c.text), c.lines) << c.text;
}

TEST_F(LevelEvents, CarryingShowsTheCarryFramesOfTheModeAndDroppingRestoresThem) {
  const int shell = add(Shellr, 50, 50);
  const struct {
    int mode, standRight, walkLeftFirst;
  } cases[] = {{PlayerSmall, 240, 241}, {PlayerBig, 244, 245}, {PlayerFlying, 277, 278}, {PlayerFire, 567, 566}};
  for (const auto& c : cases) {
    GameShell.PlayerMode = c.mode;
    SetCarrying(true, &sprite(shell));
    EXPECT_TRUE(Level.Carrying);
    EXPECT_EQ(Level.CarriedSprite, &sprite(shell));
    EXPECT_EQ(w().DXSprites->Animations.GetAnimation(0).GetFrame(8, 0), c.standRight) << c.mode;
    EXPECT_EQ(w().DXSprites->Animations.GetAnimation(1).GetFrame(24, 0), c.walkLeftFirst) << c.mode;
    SetCarrying(false, nullptr);
    EXPECT_FALSE(Level.Carrying);
  }
}

}  // namespace
