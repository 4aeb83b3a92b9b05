// The default game from the title through the map into level 1-1 and out, where
// the state one screen leaves behind is read by the next: the card faces of the
// level's end after the map has set its own, and a pause while the player goes
// through a pipe.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "default_game_play.h"
#include "tests/support/pause_replay.h"
#include "game/Game/level_events.h"

namespace {

struct CardCase {
  const char* name;
  std::array<int, 3> cards;
  int lives;  // the bonus
};

class CardBonusAfterTheMap : public DefaultGamePlay, public ::testing::WithParamInterface<CardCase> {};

// Three cards taken when the level ends give the lives of their face.
TEST_P(CardBonusAfterTheMap, ThreeCardsGiveTheLivesOfTheirFace) {
  const CardCase& c = GetParam();
  openTheGame();
  enterTheFirstLevel();
  if (HasFatalFailure()) return;
  main().Cards = c.cards;
  main().NextCardSlot = 0;
  const int lives = Level.Lives;
  StartLevelEnd();  // as the end card does
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  EXPECT_EQ(Level.Lives, lives + c.lives);
  EXPECT_EQ(main().CardBonusLives, c.lives);
  EXPECT_EQ(main().Cards, (std::array<int, 3>{0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Faces, CardBonusAfterTheMap,
                         ::testing::Values(CardCase{"first", {99, 99, 99}, 2}, CardCase{"second", {100, 100, 100}, 3},
                                           CardCase{"third", {101, 101, 101}, 5},
                                           CardCase{"mixed", {99, 100, 101}, 1}),
                         [](const ::testing::TestParamInfo<CardCase>& info) { return std::string(info.param.name); });

class DefaultGameFromTheTitle : public DefaultGamePlay {};

// The game played with the tick count at 1000, past 2^31 (where it reads
// negative as an int) and just before its wrap to 0.
class DefaultGameAtTickCount : public DefaultGamePlay, public ::testing::WithParamInterface<uint32_t> {
 protected:
  void SetUp() override {
    DefaultGamePlay::SetUp();
    run.reset();
    run = std::make_unique<TLevelRun>(TQ_STAGE_DIR, GetParam());
  }
};

// The map brings the player out, level 1-1 is entered from it and won with its
// key script, and the map comes back with the node won, at any tick count.
TEST_P(DefaultGameAtTickCount, TheFirstLevelIsEnteredFromTheMapWonAndLeft) {
  openTheGame();
  enterTheFirstLevel();
  if (HasFatalFailure()) return;
  const int node = WorldMap.EnteredNode;
  winTheFirstLevel();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  EXPECT_NE(std::find(main().EndedNodes.begin(), main().EndedNodes.end(), std::to_string(node)),
            main().EndedNodes.end());
}

INSTANTIATE_TEST_SUITE_P(TickCounts, DefaultGameAtTickCount, ::testing::Values(1000u, (1u << 31) + 1000u, 0u - 1000u),
                         [](const ::testing::TestParamInfo<uint32_t>& info) {
                           return info.param == 1000u ? "Early" : info.param == (1u << 31) + 1000u ? "PastHalf" : "BeforeWrap";
                         });

// Level 1-1 entered from the map and won with its key script: the card it ends
// on, the third of a kind, gives the lives of its face, and the map shows the
// node won.
TEST_F(DefaultGameFromTheTitle, TheFirstLevelIsWonWithTheCardBonusOfItsFace) {
  openTheGame();
  enterTheFirstLevel();
  if (HasFatalFailure()) return;
  const int node = WorldMap.EnteredNode;
  const int lives = Level.Lives;
  winTheFirstLevel();
  if (HasFatalFailure()) return;
  const int face = Level.EndCard;
  ASSERT_EQ(main().Cards, (std::array<int, 3>{face, 0, 0}));
  const std::array<int, 3> faces{99, 100, 101}, bonus{2, 3, 5};
  size_t f = 0;
  while (f < faces.size() && faces[f] != face) ++f;
  ASSERT_LT(f, faces.size()) << "the end card shows " << face;
  // Two earlier levels ended on the same face.
  main().Cards = {face, face, face};
  main().NextCardSlot = 0;
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  EXPECT_EQ(Level.Lives, lives + bonus[f]);
  EXPECT_NE(std::find(main().EndedNodes.begin(), main().EndedNodes.end(), std::to_string(node)),
            main().EndedNodes.end());
}

// What a frame of the level shows of the pipe travel and of every sprite.
struct TLevelPicture {
  int x = 0, y = 0;  // the player's level position
  bool dying = false;
  std::vector<bool> enabled;  // every sprite's

  bool operator==(const TLevelPicture&) const = default;
};

class PauseInTheFirstLevel : public DefaultGamePlay {
 protected:
  TLevelPicture picture() {
    TLevelPicture p;
    p.x = Level.Player->GetX() + main().CameraX;
    p.y = Level.Player->GetY() + main().CameraY;
    p.dying = Level.PlayerDying;
    for (int i = 0; i < manager().Sprites.Count(); ++i) p.enabled.push_back(sprite(i).Enabled);
    return p;
  }
  bool inThePipe() { return Level.EnteredPipe != -1 || GameShell.EntryMode == EntryFromPipe; }
  // Into 1-1 from the map, with the pipe script's frames counted from there.
  void enterTheLevel() {
    openTheGame();
    enterTheFirstLevel();
    script = KeyScriptFrom("1-1-pipe.keys", 0);
    played = 0;
  }
  // The next frame of the script, whatever frames paused the game before it.
  void playFrame() {
    ++played;
    std::vector<TKeyEvent> keys;
    for (TKeyEvent e : script)
      if (e.frame == played) {
        e.frame = run->Frame() + 1;
        keys.push_back(e);
      }
    run->RunFrame(keys);
  }
  void holdRight(bool down) { DeliverKey(main(), manager().KeyRight, down); }

  std::vector<TKeyEvent> script;
  int played = 0;  // frames of the script played
};

// The player goes down the pipe to the coin room and comes up out of the room's
// pipe. The game is paused at each frame of that way in turn, with Right held
// while it is paused: nothing moves, and after each resume the way goes on as it
// goes without a pause, to where the exit puts the player, alive.
TEST_F(PauseInTheFirstLevel, EveryFrameOfTheWayThroughAPipeWaitsForTheResume) {
  constexpr int kPauseFrames = 20;  // longer than any pipe exit
  constexpr int kAfterFrames = 40;

  // The way without a pause: what the level shows at each frame.
  enterTheLevel();
  if (HasFatalFailure()) return;
  std::vector<TLevelPicture> shown{picture()};
  int first = -1, last = -1;
  while (last == -1 && played < 400) {
    playFrame();
    shown.push_back(picture());
    if (first == -1 && inThePipe()) first = played;
    if (first != -1 && !inThePipe()) last = played;
  }
  ASSERT_NE(last, -1) << "the player never goes through the pipe";
  ASSERT_GT(last - first, 16);
  for (int i = 0; i < kAfterFrames; ++i) {
    playFrame();
    shown.push_back(picture());
  }
  ASSERT_FALSE(shown.back().dying);

  TearDown();
  SetUp();
  enterTheLevel();
  if (HasFatalFailure()) return;
  while (played < first) playFrame();
  for (int frame = first; frame < last; ++frame) {
    SCOPED_TRACE("paused at frame " + std::to_string(frame) + " of the way through frames " + std::to_string(first) +
                 ".." + std::to_string(last));
    ASSERT_TRUE(inThePipe());
    ASSERT_EQ(picture(), shown[size_t(played)]);
    press(platform::VK_PAUSE);
    ASSERT_TRUE(main().Paused());
    const TLevelPicture atPause = picture();
    holdRight(true);
    for (int i = 0; i < kPauseFrames; ++i) {
      run->RunFrame({});
      ASSERT_EQ(picture(), atPause) << "something moved " << i + 1 << " frames into the pause";
    }
    holdRight(false);
    press(platform::VK_PAUSE);
    ASSERT_FALSE(main().Paused());
    playFrame();
  }
  EXPECT_FALSE(inThePipe());
  while (played < last + kAfterFrames) {
    playFrame();
    ASSERT_EQ(picture(), shown[size_t(played)]) << "frame " << played;
  }
}

// The fire form's throw key and the crouch key held while paused: no fireball
// flies off and the player does not crouch, before or after the resume.
TEST_F(PauseInTheFirstLevel, KeysHeldWhilePausedMoveNothing) {
  enterTheLevel();
  if (HasFatalFailure()) return;
  main().SetPlayerMode(PlayerFire, false);
  for (int i = 0; i < 5; ++i) run->RunFrame({});
  press(platform::VK_PAUSE);
  ASSERT_TRUE(main().Paused());
  const TLevelPicture atPause = picture();
  const int height = Level.Player->Height;
  for (int key : {int(manager().KeyFire2), int(manager().KeyDown)}) DeliverKey(main(), key, true);
  for (int i = 0; i < 20; ++i) {
    run->RunFrame({});
    ASSERT_EQ(picture(), atPause) << "something moved " << i + 1 << " frames into the pause";
    ASSERT_EQ(Level.Player->Height, height);
  }
  for (int key : {int(manager().KeyFire2), int(manager().KeyDown)}) DeliverKey(main(), key, false);
  press(platform::VK_PAUSE);
  run->RunFrame({});
  for (int i = 0; i < PlayerFireballPool.count; ++i) EXPECT_FALSE(sprite(PlayerFireballPool.first + i).Visible);
}

}  // namespace

// The level's end counts the time left into the score; a pause in that count
// holds it, and after the resume it runs out before the map comes back.
TEST_F(PauseInTheFirstLevel, APauseHoldsTheTimeBonusCount) {
  openTheGame();
  enterTheFirstLevel();
  if (HasFatalFailure()) return;
  winTheFirstLevel();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(framesUntil([&] { return Level.EndStage >= 0 && Level.EndStage <= 2; }));
  run->RunFrame({});
  ASSERT_GT(Level.LevelTime, 0) << "the time was counted before the test could pause it";
  press(platform::VK_PAUSE);
  ASSERT_TRUE(main().Paused());
  const int score = Level.Score, time = Level.LevelTime;
  for (int i = 0; i < 20; ++i) {
    run->RunFrame({});
    ASSERT_EQ(Level.Score, score) << i + 1 << " frames into the pause";
    ASSERT_EQ(Level.LevelTime, time) << i + 1 << " frames into the pause";
  }
  press(platform::VK_PAUSE);
  ASSERT_FALSE(main().Paused());
  ASSERT_TRUE(framesUntil([&] { return Level.LevelTime == 0 || screen() != ssLevel; }));
  EXPECT_EQ(Level.LevelTime, 0);
  EXPECT_GT(Level.Score, score);
}
