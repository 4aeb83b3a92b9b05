// The default game from the title into level 1-1, with keys and menu commands
// pressed and the clock run out in the middle of a sequence: a pipe, a death,
// the last life's death, the way out of a pipe.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "default_game_play.h"
#include "game/Game/level_events.h"

namespace {

// The level commands, from their keys and from the Game menu.
enum class TCommand { F2, ShiftF2, MenuRestart, MenuReturnToMap };

const char* commandName(TCommand c) {
  switch (c) {
    case TCommand::F2: return "F2";
    case TCommand::ShiftF2: return "ShiftF2";
    case TCommand::MenuRestart: return "MenuRestart";
    case TCommand::MenuReturnToMap: return "MenuReturnToMap";
  }
  return "";
}

class MidSequence : public DefaultGamePlay {
 protected:
  void give(TCommand command) {
    switch (command) {
      case TCommand::F2: press(platform::VK_F2); break;
      case TCommand::ShiftF2: press(platform::VK_F2, platform::ssShift); break;
      case TCommand::MenuRestart: main().MenuClick("mnuRestart"); break;
      case TCommand::MenuReturnToMap: main().MenuClick("mnuReturnToMap"); break;
    }
  }
  bool inThePipe() { return Level.EnteredPipe != -1 || GameShell.EntryMode == EntryFromPipe; }
  // Plays the pipe script of 1-1 until done() holds, from the level's entry on
  // the first call and on from there on the next; check() runs after every frame.
  bool playThePipeUntil(const std::function<bool()>& done, const std::function<void()>& check = [] {}) {
    if (pipeScript.empty()) pipeScript = KeyScriptFrom("1-1-pipe.keys", run->Frame());
    for (int i = 0; i < 600; ++i) {
      if (done()) return true;
      run->RunFrame(pipeScript);
      check();
      if (::testing::Test::HasFatalFailure()) return false;
    }
    return done();
  }
  void letGoOfEveryKey() {
    const TGKSpriteMgr& m = manager();
    for (int key : {int(m.KeyLeft), int(m.KeyRight), int(m.KeyUp), int(m.KeyDown), int(m.KeyFire1), int(m.KeyFire2)})
      DeliverKey(main(), key, false);
  }
  // The clock runs out at its next tick.
  void runOutOfTime() {
    Level.LevelTime = 0;
    ASSERT_TRUE(framesUntil([&] { return Level.PlayerDying; }));
  }
  int levelX() { return Level.Player->GetX() + main().CameraX; }
  int levelY() { return Level.Player->GetY() + main().CameraY; }

  std::vector<TKeyEvent> pipeScript;
};

// The clock runs out while the player goes down the pipe to the coin room: it
// holds at 0 through the pipe and the way up out of the room's pipe, and the
// player dies at the clock's next tick once he is back in control; the clock
// then reads -1 and stops.
TEST_F(MidSequence, ATimeOutInAPipeWaitsUntilThePlayerIsOut) {
  constexpr int kTickFrames = 40;  // one second of the fake clock
  if (!intoTheFirstLevel()) return;
  ASSERT_TRUE(playThePipeUntil([&] { return Level.EnteredPipe != -1; }));
  Level.LevelTime = 0;
  int pipeFrames = 0;
  ASSERT_TRUE(playThePipeUntil([&] { return !inThePipe() && Level.Player->Controlled; }, [&] {
    ++pipeFrames;
    // The way through is shorter than a second: a tick of the clock falls
    // into it on the way down and on the way up.
    if (pipeFrames == 2 || GameShell.EntryMode == EntryFromPipe) main().MainTimerTimer();
    ASSERT_EQ(Level.LevelTime, 0) << pipeFrames << " frames into the pipe";
    ASSERT_FALSE(Level.PlayerDying) << pipeFrames << " frames into the pipe";
  }));
  letGoOfEveryKey();
  int frames = 0;
  while (!Level.PlayerDying && Level.LevelTime == 0 && frames++ <= kTickFrames) run->RunFrame({});
  EXPECT_TRUE(Level.PlayerDying);
  EXPECT_EQ(Level.LevelTime, -1);
  for (int i = 0; i < 2 * kTickFrames && screen() == ssLevel; ++i) {
    run->RunFrame({});
    ASSERT_EQ(Level.LevelTime, -1);
  }
}

struct RestartTimeCase {
  const char* name;
  int timeLeft;  // -1: the clock runs out and the player dies of it
  bool dying;    // F2 during a death with that time left
  int timeAfter;
};

class F2KeepsTheTimeLeft : public MidSequence, public ::testing::WithParamInterface<RestartTimeCase> {};

// F2 restarts the level with the time that was left, also a 0 that the next
// tick kills at, and with the level's own time once the clock has run out or
// the player dies with none left; the clock runs down from there.
TEST_P(F2KeepsTheTimeLeft, AndOnlyTimeLeft) {
  const RestartTimeCase& c = GetParam();
  if (!intoTheFirstLevel()) return;
  run->RunFrame({});
  if (c.timeLeft < 0) {
    runOutOfTime();
    if (HasFatalFailure()) return;
    ASSERT_EQ(Level.LevelTime, -1);
  } else {
    Level.LevelTime = c.timeLeft;
    if (c.dying) KillPlayer();
    ASSERT_EQ(Level.PlayerDying, c.dying);
  }
  press(platform::VK_F2);
  run->RunFrame({});
  ASSERT_EQ(screen(), ssLevel);
  ASSERT_FALSE(Level.PlayerDying);
  EXPECT_EQ(Level.LevelTime, c.timeAfter);
  ASSERT_TRUE(framesUntil([&] { return Level.LevelTime != c.timeAfter; }));
  EXPECT_EQ(Level.LevelTime, c.timeAfter - 1);
  // From 0 the tick is the time-out's.
  EXPECT_EQ(Level.PlayerDying, c.timeAfter == 0);
}

INSTANTIATE_TEST_SUITE_P(Clocks, F2KeepsTheTimeLeft,
                         ::testing::Values(RestartTimeCase{"TimeLeft", 120, false, 120},
                                           RestartTimeCase{"ClockAtZero", 0, false, 0},
                                           RestartTimeCase{"TimedOut", -1, true, 300},
                                           RestartTimeCase{"DiedAtZero", 0, true, 300}),
                         [](const ::testing::TestParamInfo<RestartTimeCase>& info) { return std::string(info.param.name); });

struct DeathCommandCase {
  const char* name;
  int lives;  // before the death
  TCommand command;
  int screenAfter;
};

class CommandsDuringADeath : public MidSequence, public ::testing::WithParamInterface<DeathCommandCase> {};

// F2, Shift+F2 and their menu commands during a death: with a life left they
// restart the level or return to the map; with none left the death ends the
// game on the title whatever was pressed.
TEST_P(CommandsDuringADeath, EndTheGameWithNoLifeLeft) {
  const DeathCommandCase& c = GetParam();
  if (!intoTheFirstLevel()) return;
  Level.Lives = c.lives;
  run->RunFrame({});
  runOutOfTime();
  if (HasFatalFailure()) return;
  ASSERT_EQ(Level.Lives, c.lives - 1);
  give(c.command);
  ASSERT_TRUE(framesUntil([&] { return screen() != ssLevel || !Level.PlayerDying; }));
  EXPECT_EQ(screen(), c.screenAfter);
  if (c.screenAfter == ssTitle) {
    EXPECT_LE(Level.Lives, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandsDuringADeath,
                         ::testing::Values(DeathCommandCase{"F2WithALifeLeft", 2, TCommand::F2, ssLevel},
                                           DeathCommandCase{"ShiftF2WithALifeLeft", 2, TCommand::ShiftF2, ssWorldMap},
                                           DeathCommandCase{"F2OnTheLastLife", 1, TCommand::F2, ssTitle},
                                           DeathCommandCase{"ShiftF2OnTheLastLife", 1, TCommand::ShiftF2, ssTitle},
                                           DeathCommandCase{"MenuRestartOnTheLastLife", 1, TCommand::MenuRestart, ssTitle},
                                           DeathCommandCase{"MenuReturnOnTheLastLife", 1, TCommand::MenuReturnToMap,
                                                            ssTitle}),
                         [](const ::testing::TestParamInfo<DeathCommandCase>& info) { return std::string(info.param.name); });

class CommandsAfterTheEndCard : public MidSequence, public ::testing::WithParamInterface<TCommand> {};

// F2 and Shift+F2 and their menu commands after the end card: the level is won,
// its end runs out and the map comes back with its node won.
TEST_P(CommandsAfterTheEndCard, LeaveTheWinAlone) {
  if (!intoTheFirstLevel()) return;
  const int node = WorldMap.EnteredNode;
  winTheFirstLevel();
  if (HasFatalFailure()) return;
  run->RunFrame({});
  give(GetParam());
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  const std::vector<std::string>& ended = main().EndedNodes;
  EXPECT_NE(std::find(ended.begin(), ended.end(), std::to_string(node)), ended.end());
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandsAfterTheEndCard,
                         ::testing::Values(TCommand::F2, TCommand::ShiftF2, TCommand::MenuRestart,
                                           TCommand::MenuReturnToMap),
                         [](const ::testing::TestParamInfo<TCommand>& info) { return commandName(info.param); });

struct EndTakenCase {
  const char* name;
  const char* level;  // the node's link
  const char* keys;   // its script up to the end, in this folder
  TCommand command;
  bool castle;
};

class CommandsAfterTheEndIsTaken : public MidSequence, public ::testing::WithParamInterface<EndTakenCase> {};

// F2, Shift+F2 and their menu commands in the wait after the castle's end or
// the mushroom house's chest is taken: the level is won already, so they do
// nothing; the wait runs out and the map comes back with the node won, and
// after the castle with its locks open.
TEST_P(CommandsAfterTheEndIsTaken, LeaveTheWinAlone) {
  const EndTakenCase& c = GetParam();
  openTheGame();
  if (HasFatalFailure()) return;
  enterTheNodeOf(c.level);
  if (HasFatalFailure()) return;
  const int node = WorldMap.EnteredNode;
  const std::vector<TKeyEvent> script = KeyScriptFrom(c.keys, run->Frame());
  playUntilTheEndIsTaken(script);
  if (HasFatalFailure()) return;
  letGoOfEveryKey();
  run->RunFrame({});
  const int score = Level.Score;
  give(c.command);
  run->RunFrame({});
  ASSERT_EQ(screen(), ssLevel);
  EXPECT_EQ(Level.Score, score);
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  const std::vector<std::string>& ended = main().EndedNodes;
  EXPECT_NE(std::find(ended.begin(), ended.end(), std::to_string(node)), ended.end());
  EXPECT_EQ(WorldMap.OpenLocks, c.castle);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, CommandsAfterTheEndIsTaken,
    ::testing::Values(EndTakenCase{"ChestF2", "levels\\casa.tql", "casa.keys", TCommand::F2, false},
                      EndTakenCase{"ChestShiftF2", "levels\\casa.tql", "casa.keys", TCommand::ShiftF2, false},
                      EndTakenCase{"ChestMenuRestart", "levels\\casa.tql", "casa.keys", TCommand::MenuRestart, false},
                      EndTakenCase{"ChestMenuReturnToMap", "levels\\casa.tql", "casa.keys", TCommand::MenuReturnToMap,
                                   false},
                      EndTakenCase{"CastleF2", "levels\\1-4.tql", "1-4.keys", TCommand::F2, true},
                      EndTakenCase{"CastleShiftF2", "levels\\1-4.tql", "1-4.keys", TCommand::ShiftF2, true}),
    [](const ::testing::TestParamInfo<EndTakenCase>& info) { return std::string(info.param.name); });

// F2 while the player rises out of the coin room's pipe starts the level again
// where F2 at any other moment starts it: at its start cell, in control, with
// nothing frozen.
TEST_F(MidSequence, F2DuringAPipeExitRestartsAtTheStartCell) {
  if (!intoTheFirstLevel()) return;
  ASSERT_TRUE(playThePipeUntil([&] { return GameShell.EntryMode == EntryFromPipe; }));
  letGoOfEveryKey();
  run->RunFrame({});
  ASSERT_EQ(GameShell.EntryMode, EntryFromPipe) << "the exit ended before the test could press F2";
  const std::string level = Level.LevelFileName;
  press(platform::VK_F2);
  run->RunFrame({});
  ASSERT_EQ(Level.LevelFileName, level);
  EXPECT_EQ(GameShell.EntryMode, EntryNormal);
  EXPECT_TRUE(Level.Player->Controlled);
  EXPECT_FALSE(Level.PipeTravel);
  EXPECT_FALSE(manager().PlayerBehind);
  const int x = levelX(), y = levelY();

  for (int i = 0; i < 40; ++i) run->RunFrame({});
  press(platform::VK_F2);
  run->RunFrame({});
  EXPECT_EQ(levelX(), x);
  EXPECT_EQ(levelY(), y);
}

}  // namespace
