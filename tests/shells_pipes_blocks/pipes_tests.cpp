// Entering side and vertical pipes, the end of the walk into a pipe, and the
// side pipe that shoots, on a hand-built level.
#include <gtest/gtest.h>

#include "game/Game/cases_pipes.h"
#include "game/Game/level_events.h"
#include "game/LevelAnimations/level_animations.h"
#include "game/frmMain/shell_state.h"
#include "ring_level.h"

namespace {

class Pipes : public RingLevel {
 protected:
  void SetUp() override {
    RingLevel::SetUp();
    writeFile("levels/under.tql");
    Level.StandingOnSprite = 0;
    enemy_ = add(Wumpet1, 10, 10);
  }
  // A pipe leading to an existing level file, or to the given target text.
  int pipe(int kind, int x, int y, int w, int h, const char* target = "levels\\under.tql") {
    const int i = addSized(kind, x, y, w, h);
    if (target) sprite(i).Data = Level.AddSpriteText(target);
    return i;
  }
  // The player walks into the pipe: drawn behind it, out of control, the world stopped.
  void expectEntered(int i, int pipeDirection, int exitSide) {
    EXPECT_EQ(player().State, pipeDirection);
    EXPECT_EQ(GameShell.EntryDirection, exitSide);
    EXPECT_EQ(Level.EnteredPipe, i);
    EXPECT_TRUE(w().DXSprites->PlayerBehind);
    EXPECT_TRUE(Level.PipeTravel);
    EXPECT_FALSE(player().Controlled);
    EXPECT_EQ(player().JumpState, jsGround);
    EXPECT_EQ(player().LeftAction, eaNone);
    EXPECT_EQ(player().BottomAction, eaNone);
    EXPECT_FALSE(sprite(enemy_).Enabled) << "the other sprites stop";
  }
  void expectNotEntered() {
    EXPECT_EQ(player().State, PipeNone);
    EXPECT_EQ(Level.EnteredPipe, -1);
    EXPECT_FALSE(w().DXSprites->PlayerBehind);
    EXPECT_FALSE(Level.PipeTravel);
    EXPECT_TRUE(player().Controlled);
    EXPECT_TRUE(sprite(enemy_).Enabled);
  }
  void pressOnly(uint16_t key) {
    for (uint16_t k : {mgr().KeyUp, mgr().KeyDown, mgr().KeyLeft, mgr().KeyRight}) release(k);
    if (key) hold(key);
  }
  // The level state of a new case: only the player stays.
  void freshLevelState() {
    TGKJumper* p = Level.Player;
    Level = TLevelState{};
    Level.Player = p;
  }
  TGKSpriteMgr& mgr() { return *w().DXSprites; }
  int enemy_ = 0;
};

TEST_F(Pipes, ASidePipeIsEnteredByWalkingIntoItOnTheGround) {
  // The player (16 x 16 at 100, 100) and a 32 x 32 pipe just in front of him.
  const struct {
    const char* what;
    int facing;
    bool pressForward, standing;
    const char* target;
    int entryMode;
    bool enters;
  } cases[] = {
      {"facing right with Right held", 8, true, true, "levels\\under.tql", EntryNormal, true},
      {"facing left with Left held", 24, true, true, "levels\\under.tql", EntryNormal, true},
      {"without the key", 8, false, true, "levels\\under.tql", EntryNormal, false},
      {"in the air", 8, true, false, "levels\\under.tql", EntryNormal, false},
      {"a pipe without a target", 24, true, true, nullptr, EntryNormal, false},
      {"a pipe to a file that is not there", 8, true, true, "levels\\gone.tql", EntryNormal, false},
      {"while coming out of another", 8, true, true, "levels\\under.tql", EntryFromPipe, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    enemy_ = add(Wumpet1, 10, 10);
    freshLevelState();
    GameShell.EntryMode = c.entryMode;
    Level.StandingOnSprite = c.standing ? 0 : -1;
    w().DXSprites->PlayerBehind = false;
    player().Controlled = true;
    player().State = PipeNone;
    player().SetEdgeActions(eaWrap);
    player().StandAnimation = PlayerIdle;
    player().WalkAnimation = PlayerWalk;
    placePlayer(100, 100);
    player().SetDirection(c.facing);
    const int i = pipe(Generic17, c.facing == 8 ? 116 : 68, 90, 32, 32, c.target);
    pressOnly(c.pressForward ? (c.facing == 8 ? mgr().KeyRight : mgr().KeyLeft) : 0);
    const TCaseEnd end = contact(i);
    if (c.enters) {
      EXPECT_EQ(end, TCaseEnd::Leave);
      expectEntered(i, c.facing == 8 ? PipeRight : PipeLeft, c.facing == 8 ? EntryRight : EntryLeft);
      EXPECT_EQ(player().StandAnimation, PlayerWalk) << "he keeps walking into it";
    } else {
      EXPECT_EQ(end, TCaseEnd::Solid);
      expectNotEntered();
    }
  }
  GameShell.EntryMode = EntryNormal;
}

TEST_F(Pipes, AVerticalPipeIsEnteredWithinItsEdgesStandingOrNot) {
  // A 32 x 32 pipe at (100, 100); the 16-pixel player inside its edges at x 108.
  const struct {
    const char* what;
    int kind, x, y;
    bool down, standing, enters;
    int pipeDirection, exitSide;
  } cases[] = {
      {"down, standing on top", Generic27, 108, 84, true, true, true, PipeDown, EntryDown},
      {"down, in the air with the feet in its top", Generic27, 108, 90, true, false, true, PipeDown, EntryDown},
      {"down, the one that drops from the top", Ship330, 108, 84, true, true, true, PipeDown, EntryDown},
      {"down, the feet above its top", Generic27, 108, 83, true, true, false, 0, 0},
      {"down, on its left edge", Generic27, 100, 84, true, true, false, 0, 0},
      {"down, on its right edge", Generic27, 116, 84, true, true, false, 0, 0},
      {"up, the head in its bottom", Generic27, 108, 125, false, false, true, PipeUp, EntryUp},
      {"up, the head below its bottom", Generic27, 108, 133, false, false, false, 0, 0},
      {"up, only the top 6 pixels inside", Generic27, 108, 122, false, false, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clearStage();
    enemy_ = add(Wumpet1, 10, 10);
    freshLevelState();
    Level.StandingOnSprite = c.standing ? 0 : -1;
    w().DXSprites->PlayerBehind = false;
    player().Controlled = true;
    player().State = PipeNone;
    placePlayer(c.x, c.y);
    const int i = pipe(c.kind, 100, 100, 32, 32);
    pressOnly(c.down ? mgr().KeyDown : mgr().KeyUp);
    const TCaseEnd end = contact(i);
    if (c.enters) {
      EXPECT_EQ(end, TCaseEnd::Leave);
      expectEntered(i, c.pipeDirection, c.exitSide);
    } else {
      EXPECT_EQ(end, TCaseEnd::Solid);
      expectNotEntered();
    }
  }
}

TEST_F(Pipes, APipeWithoutATargetCannotBeEnteredFromAnySide) {
  const int side = pipe(Generic17, 116, 90, 32, 32, nullptr);
  const int top = pipe(Generic27, 100, 116, 32, 32, nullptr);
  placePlayer(108, 100);
  for (uint16_t key : {mgr().KeyRight, mgr().KeyLeft, mgr().KeyDown, mgr().KeyUp}) {
    pressOnly(key);
    for (int facing : {8, 24}) {
      player().SetDirection(facing);
      EXPECT_EQ(contact(side), TCaseEnd::Solid);
      EXPECT_EQ(contact(top), TCaseEnd::Solid);
      expectNotEntered();
    }
  }
}

TEST_F(Pipes, TheWalkIntoAPipeEndsOncePastItsMouth) {
  // The pipe covers (100, 100) .. (132, 132); the 16-pixel player walks in.
  const struct {
    int pipeDirection, x, y;
    bool inside;
  } cases[] = {
      {PipeUp, 108, 115, true},    {PipeUp, 108, 116, false},   {PipeRight, 101, 108, true},
      {PipeRight, 100, 108, false}, {PipeDown, 108, 101, true},  {PipeDown, 108, 100, false},
      {PipeLeft, 115, 108, true},   {PipeLeft, 116, 108, false},
  };
  const int i = pipe(Generic27, 100, 100, 32, 32);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pipeDirection);
    SCOPED_TRACE(c.x + c.y);
    Level.EnteredPipe = i;
    player().State = c.pipeDirection;
    placePlayer(c.x, c.y);
    TPlayerMove move{player()};
    PlayerOwnChecks(move);
    EXPECT_EQ(player().State, c.inside ? PipeNone : c.pipeDirection);
  }
}

TEST_F(Pipes, NothingKillsAPlayerTravellingIntoAPipe) {
  placePlayer(108, 84);
  const int i = pipe(Generic27, 100, 100, 32, 32);
  pressOnly(mgr().KeyDown);
  ASSERT_EQ(contact(i), TCaseEnd::Leave);
  player().Controlled = true;  // even were he in control
  KillPlayer();
  EXPECT_FALSE(Level.PlayerDying);
  EXPECT_TRUE(Level.PipeTravel);
}

TEST_F(Pipes, AShootingSidePipeFiresABulletLeftEveryFiveSeconds) {
  Level.StandingOnSprite = -1;
  placePlayer(10, 200);
  const int i = pipe(Generic25, 200, 100, 32, 32, nullptr);
  sprite(i).Param5 = 1;
  sprite(i).State = CannonFiresFlag;
  sprite(i).Timer = now() - PipeBulletIntervalMs - 1;
  const int first = w().DXSprites->Sprites.Count();
  contact(i);
  ASSERT_EQ(w().DXSprites->Sprites.Count(), first + 1);
  const TGKSprite& b = sprite(first);
  EXPECT_EQ(b.Animation, KindPipeBullet);
  EXPECT_EQ(b.GetX(), 200 - 32);
  EXPECT_EQ(b.GetY(), 105);
  EXPECT_EQ(b.Direction, 24);
  EXPECT_DOUBLE_EQ(b.GetSpeed(), 3);
  EXPECT_DOUBLE_EQ(b.GetMaxSpeed(), 10);
  EXPECT_EQ(b.State, CannonFiresFlag);
  EXPECT_EQ(b.StartPos, MakeLong(168, 105));
  EXPECT_EQ(b.LeftAction, eaNone);
  EXPECT_EQ(dust(), (std::vector<std::pair<int, int>>{{168, 105}, {168, 105 + b.Height / 2}}));
  EXPECT_EQ(sprite(i).Timer, now());

  advance(PipeBulletIntervalMs);
  contact(i);
  EXPECT_EQ(w().DXSprites->Sprites.Count(), first + 1) << "not before 5000 ms have passed";
  advance(1);
  contact(i);
  EXPECT_EQ(w().DXSprites->Sprites.Count(), first + 2);

  for (bool bulletsOn : {false, true}) {
    sprite(i).Param5 = bulletsOn ? 1 : 0;
    sprite(i).Enabled = !bulletsOn;  // off, or a pipe that sleeps off screen
    advance(PipeBulletIntervalMs + 1);
    contact(i);
    EXPECT_EQ(w().DXSprites->Sprites.Count(), first + 2);
  }
}

}  // namespace
