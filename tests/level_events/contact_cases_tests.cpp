// The player's contact cases with blocks, springs, coins, switches, doors, the
// end card, power-ups, level-end objects, stompable enemies and shells.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/Game/level_frame.h"
#include "game/LevelAnimations/level_animations.h"
#include "level_fixture.h"
#include "platform/core/paths.h"

namespace {

using Contact = LevelFixture;

TEST_F(Contact, ABumpedBlockGoesUpFourStepsAndBack) {
  const int block = add(Square1, 100, 100);
  const int spring = add(Note, 140, 100);
  sprite(block).Timer = 7;
  sprite(spring).Timer = 7;
  sprite(spring).State = 0;  // landed on: down first
  placePlayer(0, 0);
  const int up[] = {97, 94, 91, 88, 91, 94, 97, 100, 100};
  const int down[] = {103, 106, 109, 112, 109, 106, 103, 100, 100};
  for (int step = 0; step < 9; ++step) {
    contact(block);
    contact(spring);
    EXPECT_EQ(sprite(block).GetY(), up[step]) << step;
    EXPECT_EQ(sprite(spring).GetY(), down[step]) << step;
  }
  EXPECT_EQ(sprite(block).Timer, -1);
}

TEST_F(Contact, ASmallPlayerBumpsABrickAndABigOneBreaksIt) {
  const struct {
    int mode;
    const char* contents;
    bool broken;
    int animation;
  } cases[] = {{PlayerSmall, nullptr, false, Block}, {PlayerBig, nullptr, true, Block},
               {PlayerSmall, "49", false, Square1}, {PlayerFire, "49", false, Square1}};
  for (const auto& c : cases) {
    GameShell.PlayerMode = c.mode;
    const int brick = add(Block, 100, 50);  // bottom at 66
    if (c.contents) sprite(brick).Data = Level.AddSpriteText(c.contents);
    placePlayer(100, 60);
    contact(brick);
    EXPECT_EQ(player().GetY(), 66) << "put under the block";
    EXPECT_EQ(player().JumpState, jsFalling);
    EXPECT_EQ(!sprite(brick).Enabled, c.broken) << c.mode;
    EXPECT_EQ(sprite(brick).Animation, c.animation) << c.mode;
    if (!c.broken) {
      EXPECT_EQ(sprite(brick).Timer, 7) << c.mode;
    }
    sprite(brick).Disable();
    sprite(brick).Hide();
  }
}

TEST_F(Contact, SpringsThrowThePlayerHigherWithFire1) {
  writeFile("levels/warp.tql");
  const uint16_t fire1 = w().DXSprites->KeyFire1;
  const struct {
    int kind;
    const char* target;
    bool fire1;
    double velocity;
    bool launched;
  } cases[] = {{Note, nullptr, false, -3, false},          {Note, nullptr, true, -7, false},
               {Note2, "levels\\warp.tql", false, -3, false}, {Note2, "levels\\missing.tql", true, -7, false},
               {Note2, "levels\\warp.tql", true, -15, true}};
  for (const auto& c : cases) {
    Level.LevelFileName.clear();
    player().Controlled = true;
    player().Param2 = 0;
    const int spring = add(c.kind, 100, 100);
    if (c.target) sprite(spring).Data = Level.AddSpriteText(c.target);
    c.fire1 ? hold(fire1) : release(fire1);
    placePlayer(100, 86);  // feet 2 pixels into the top
    player().SetVelocityY(2);
    contact(spring);
    EXPECT_DOUBLE_EQ(player().GetVelocityY(), c.velocity) << c.kind << " " << c.fire1;
    EXPECT_EQ(sprite(spring).Timer, 7);
    EXPECT_EQ(!player().Controlled, c.launched) << c.kind << " " << c.fire1;
    EXPECT_EQ(!Level.LevelFileName.empty(), c.launched) << c.kind << " " << c.fire1;
    sprite(spring).Disable();
  }
  release(fire1);

  // A second later the next warp spring takes the launched player to its level.
  const int next = add(Note2, 10, 10);
  clock_.advance(1001);
  EXPECT_EQ(contact(next), TCaseEnd::Leave);
  EXPECT_EQ(Level.Rebuild, TRebuild::Passage);
  EXPECT_EQ(GameShell.EntryMode, EntryFromBottom);
  EXPECT_EQ(platform::extractFileName(Level.LevelFileName), "warp.tql");
}

TEST_F(Contact, EndCardsFillTheSlotsInTurnOncePerLevel) {
  for (int slot : {0, 1, 2, 0}) {
    Level.EndCard = 0;
    Level.LevelEnded = false;
    SetAnimationFrames(w().DXSprites->Animations, Level.Options.AnimSpeed, PlayerSmall);  // the next level
    player().Controlled = true;
    const int card = add(Card, 100, 100);
    placePlayer(100, 92);
    EXPECT_EQ(w().NextCardSlot, slot);
    contact(card);
    EXPECT_EQ(Level.EndCard, LevelAnimationOf(Card).sequences[0].frames[0]);
    EXPECT_EQ(w().Cards[static_cast<size_t>(slot)], Level.EndCard);
    EXPECT_TRUE(Level.LevelEnded);
    EXPECT_EQ(w().NextCardSlot, (slot + 1) % 3);
    contact(card);  // a second touch in the same level
    EXPECT_EQ(w().NextCardSlot, (slot + 1) % 3);
    sprite(card).Disable();
  }
}

TEST_F(Contact, DoorsLeadOnlyToLevelsThatExist) {
  writeFile("levels/house.tql");
  const uint16_t up = w().DXSprites->KeyUp;
  const struct {
    const char* target;
    bool keyUp, leaves;
  } cases[] = {{"levels\\HOUSE.tql", true, true},
               {"levels\\house.tql", false, false},
               {"levels\\garden.tql", true, false},
               {nullptr, true, false}};
  for (const auto& c : cases) {
    Level.Rebuild = TRebuild::None;
    Level.EntryPipe = 0;
    const int door = add(Door, 100, 100);
    sprite(door).Param3 = 4;
    if (c.target) sprite(door).Data = Level.AddSpriteText(c.target);
    c.keyUp ? hold(up) : release(up);
    placePlayer(100, 100);
    EXPECT_EQ(contact(door) == TCaseEnd::Leave, c.leaves) << (c.target ? c.target : "none");
    EXPECT_EQ(Level.Rebuild, c.leaves ? TRebuild::Passage : TRebuild::None);
    EXPECT_EQ(Level.EntryPipe, c.leaves ? 4 : 0);
    if (c.leaves) {
      EXPECT_EQ(Level.LevelFileName, (folder_ / "levels" / "house.tql").string());
    }
    sprite(door).Disable();
    sprite(door).Hide();
    sprite(door).SetX(-100);
  }
}

TEST_F(Contact, ChainedStompsScoreMoreAndFromTheEighthGiveALife) {
  Level.Lives = 3;
  int score = 0;
  for (int stomp = 1; stomp <= 9; ++stomp) {
    const int enemy = add(BadStar1, 100, 110);
    placePlayer(100, 100);  // feet 6 pixels into the enemy
    EXPECT_EQ(contact(enemy), TCaseEnd::Next);
    score += 200 * stomp;
    EXPECT_EQ(Level.Score, score) << stomp;
    EXPECT_EQ(Level.Lives, 3 + std::max(0, stomp - 7)) << stomp;
    EXPECT_FALSE(sprite(enemy).Enabled);
    EXPECT_DOUBLE_EQ(player().GetVelocityY(), -3);
  }
}

TEST_F(Contact, EnemiesHurtFromTheSideButAreStompedFromAbove) {
  const struct {
    const char* where;
    int px, py, hurtTimer;
    TCaseEnd end;
    int mode;
  } cases[] = {{"side", 90, 100, -1, TCaseEnd::Leave, PlayerSmall},
               {"above", 100, 90, -1, TCaseEnd::Next, PlayerBig},
               {"side, invulnerable", 90, 100, 2, TCaseEnd::Solid, PlayerBig},
               {"apart", 60, 100, -1, TCaseEnd::Solid, PlayerBig}};
  for (const auto& c : cases) {
    GameShell.PlayerMode = PlayerBig;
    player().Controlled = true;
    Level.HurtTimer = c.hurtTimer;
    const int enemy = add(Wumpet1, 100, 100);
    placePlayer(c.px, c.py);
    EXPECT_EQ(contact(enemy), c.end) << c.where;
    EXPECT_EQ(GameShell.PlayerMode, c.mode) << c.where;
    sprite(enemy).Disable();
  }
}

TEST_F(Contact, AWingedEnemyHopsThreeTimesLowOnceHighThenRests) {
  placePlayer(0, 0);
  const int enemy = add(WumpetF, 200, 100, 31);
  sprite(enemy).Data = 6;
  const double speeds[] = {4, 4, 4, 6, 0};
  for (double expected : speeds) {
    sprite(enemy).Param3 = 1;  // landed
    contact(enemy);
    EXPECT_DOUBLE_EQ(sprite(enemy).GetSpeed(), expected);
    EXPECT_EQ(sprite(enemy).Param3, 0);
  }
  EXPECT_EQ(sprite(enemy).Param2, 4);
  clock_.advance(2001);
  sprite(enemy).Param3 = 1;  // still on the ground
  contact(enemy);
  EXPECT_DOUBLE_EQ(sprite(enemy).GetSpeed(), 4);
  EXPECT_EQ(sprite(enemy).Param2, 0);
  EXPECT_EQ(sprite(enemy).Direction, 31) << "towards the player on its left";
}

TEST_F(Contact, AKickedShellSparesThePlayerForItsFirst200Ms) {
  GameShell.PlayerMode = PlayerBig;
  const int shell = add(Shellr, 100, 100);
  SetCarrying(true, &sprite(shell));
  placePlayer(88, 100);
  player().SetDirection(8);
  contact(shell);  // Fire2 is not held: the carried shell is kicked
  EXPECT_EQ(sprite(shell).Animation, Shellr2);
  EXPECT_EQ(sprite(shell).Direction, 8);
  EXPECT_DOUBLE_EQ(sprite(shell).GetSpeed(), 5);
  EXPECT_FALSE(Level.Carrying);

  clock_.advance(200);
  contact(shell);
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig);
  clock_.advance(1);
  contact(shell);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

TEST_F(Contact, AShellKickedWithDownHeldIsLetGoWithTheModesOwnFrames) {
  GameShell.PlayerMode = PlayerBig;
  const int shell = add(Shellr, 100, 100);
  sprite(shell).Timer = 5;
  SetCarrying(true, &sprite(shell));
  TGKAnimation& stand = w().DXSprites->Animations.GetAnimation(0);
  ASSERT_EQ(stand.GetFrame(8, 0), 244);
  placePlayer(88, 100);
  player().SetDirection(8);
  hold(w().DXSprites->KeyDown);
  contact(shell);
  release(w().DXSprites->KeyDown);
  EXPECT_EQ(sprite(shell).Animation, Shellr2);
  EXPECT_FALSE(Level.Carrying);
  EXPECT_EQ(stand.GetFrame(8, 0), 7) << "the big player's standing frame, not the carrying one";
  EXPECT_EQ(sprite(shell).Timer, 5) << "only a kick without Down starts the grace time";
}

TEST_F(Contact, AShellIsPickedUpWithFire2AndAMovingOneStopsWhenStomped) {
  GameShell.PlayerMode = PlayerBig;
  const int moving = add(Shellr2, 100, 110, 8);
  sprite(moving).SetSpeed(5.0);
  placePlayer(100, 100);
  hold(w().DXSprites->KeyFire2);
  contact(moving);
  EXPECT_EQ(sprite(moving).Animation, Shellr);
  EXPECT_DOUBLE_EQ(sprite(moving).GetSpeed(), 0);
  EXPECT_TRUE(Level.Carrying) << "feet deep in it: picked up in the same move";
  EXPECT_EQ(sprite(moving).GetX(), 100 + 16 - 4);
  EXPECT_EQ(sprite(moving).StartPos, MakeLong(100 + w().CameraX, 110 + w().CameraY));
  release(w().DXSprites->KeyFire2);
}

TEST_F(Contact, APowerUpRisesOutOfItsBlockThenWalks) {
  GameShell.PlayerMode = PlayerSmall;
  placePlayer(0, 0);
  const int block = add(Quest1, 150, 80);
  sprite(block).Data = Level.AddSpriteText("62");
  HitBonusBlock(block);
  const int item = w().DXSprites->Sprites.Count() - 1;
  contact(item);
  EXPECT_FALSE(sprite(item).Visible) << "waits 250 ms";
  clock_.advance(251);
  int moves = 0;
  while (sprite(item).State == 0 && moves < 100) {
    contact(item);
    ++moves;
  }
  EXPECT_TRUE(sprite(item).Visible);
  EXPECT_TRUE(sprite(item).Enabled);
  EXPECT_EQ(sprite(item).GetY() + sprite(item).Height, 80);
  EXPECT_EQ(moves, 32) << "one pixel every second move";

  placePlayer(sprite(item).GetX(), sprite(item).GetY());
  contact(item);
  EXPECT_EQ(GameShell.PlayerMode, PlayerBig);
  EXPECT_FALSE(sprite(item).Enabled);
}

TEST_F(Contact, CastleEndsAndChestsFinishTheNodeOnce) {
  WorldMap.EnteredNode = 7;
  const int castle = add(Generic66, 100, 100);
  const int chest = add(Generic180, 200, 100);
  placePlayer(100, 100);
  contact(castle);
  EXPECT_FALSE(sprite(castle).Enabled);
  EXPECT_FALSE(sprite(chest).Visible) << "every level-end object is taken at once";
  EXPECT_FALSE(player().Controlled);
  EXPECT_EQ(Level.Score, 2000);
  clock_.advance(5001);
  for (int move = 0; move < 3; ++move) {
    contact(castle);
    contact(chest);
  }
  EXPECT_TRUE(Level.LevelEnded);
  EXPECT_TRUE(Level.ReturnToMap);
  EXPECT_TRUE(WorldMap.OpenLocks);
  EXPECT_EQ(WorldMap.MapPosition, 13);
  EXPECT_EQ(w().EndedNodes, std::vector<std::string>{"7"});
}

TEST_F(Contact, AHiddenChestAppearsOnlyNearThePlayerWhenNoFoeIsLeft) {
  const int chest = add(Generic180, 200, 100);
  sprite(chest).Disable();
  sprite(chest).Hide();
  Level.EncounterFoesLeft = 0;
  placePlayer(90, 100);
  contact(chest);
  EXPECT_FALSE(sprite(chest).Visible) << "a foe is left";
  Level.EncounterFoesLeft = -1;
  placePlayer(10, 100);
  contact(chest);
  EXPECT_FALSE(sprite(chest).Visible) << "too far";
  placePlayer(90, 100);
  contact(chest);
  EXPECT_TRUE(sprite(chest).Visible && sprite(chest).Enabled);
}

TEST_F(Contact, SwitchesTradeBricksAndCoinsButASecondTimedSwitchDoesNotTradeBack) {
  const int brick = add(Block, 20, 20);
  const int coin = add(Coin, 40, 20);
  const int first = add(Switch2, 100, 100);
  const int second = add(Switch2, 150, 100);
  placePlayer(100, 90);
  EXPECT_EQ(contact(first), TCaseEnd::Next);
  EXPECT_EQ(sprite(first).Animation, Switch3);
  EXPECT_EQ(sprite(brick).Animation, Coin);
  EXPECT_EQ(sprite(coin).Animation, Block);
  EXPECT_EQ(sprite(brick).GetImageIndex(), 72) << "the switch frame shows at once";
  EXPECT_TRUE(SwitchEffectRunning());
  placePlayer(150, 90);
  contact(second);
  EXPECT_EQ(sprite(brick).Animation, Coin);
  EXPECT_EQ(Level.Score, 2000);
  clock_.advance(SwitchTuneMs - 1);
  EXPECT_FALSE(SwitchEffectTimeUp());
  clock_.advance(1);
  EXPECT_TRUE(SwitchEffectTimeUp()) << "music is off: the effect ends after the tune's time";
  CheckSwitchMusicEnd();  // the level frame ends it
  EXPECT_FALSE(SwitchEffectRunning());
  EXPECT_EQ(sprite(brick).Animation, Block);
  EXPECT_EQ(sprite(coin).Animation, Coin);

  const int plain = add(Switch, 200, 100);
  placePlayer(200, 90);
  contact(plain);
  EXPECT_EQ(sprite(brick).Animation, Coin) << "the plain switch trades every time";
}

}  // namespace
