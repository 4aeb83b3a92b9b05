// What a level and a game leave behind for the screens after them: the default
// game from the title into level 1-1 and back to the map or the title, where
// the map's keys and the next game must find nothing of the level that ran.
#include <filesystem>
#include <string>

#include "default_game_play.h"
#include "game/Game/level_events.h"
#include "tests/support/scratch_folder.h"

namespace {

class LeftBehind : public DefaultGamePlay {};

enum class TLevelOutcome { None, Won, Died, GameOver };

class AModeCodeOnTheMap : public LeftBehind, public ::testing::WithParamInterface<TLevelOutcome> {};

// A mode code typed on the map changes the player's form on a fresh map, on the
// map after a level, won or lost, and on the next game's map after a game over.
TEST_P(AModeCodeOnTheMap, ChangesTheFormAfterAnyLevel) {
  GameShell.SecretCodes = true;
  openTheGame();
  if (HasFatalFailure()) return;
  if (GetParam() != TLevelOutcome::None) {
    enterTheFirstLevel();
    if (HasFatalFailure()) return;
    if (GetParam() == TLevelOutcome::Won) {
      winTheFirstLevel();
    } else {
      if (GetParam() == TLevelOutcome::GameOver) Level.Lives = 1;
      run->RunFrame({});
      Level.LevelTime = 0;
    }
    if (HasFatalFailure()) return;
    if (GetParam() == TLevelOutcome::GameOver) {
      ASSERT_TRUE(framesUntil([&] { return screen() == ssTitle; }));
      openTheGame();
      if (HasFatalFailure()) return;
    }
    ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  }
  ASSERT_EQ(GameShell.PlayerMode, PlayerSmall);
  typeCode("ORCHARDS");
  EXPECT_EQ(GameShell.PlayerMode, PlayerFlying);
}

INSTANTIATE_TEST_SUITE_P(Levels, AModeCodeOnTheMap,
                         ::testing::Values(TLevelOutcome::None, TLevelOutcome::Won, TLevelOutcome::Died,
                                           TLevelOutcome::GameOver),
                         [](const ::testing::TestParamInfo<TLevelOutcome>& info) {
                           switch (info.param) {
                             case TLevelOutcome::Won: return "AfterAWin";
                             case TLevelOutcome::Died: return "AfterADeath";
                             case TLevelOutcome::GameOver: return "AfterAGameOver";
                             default: return "FreshMap";
                           }
                         });

// The Game menu's level commands chosen on the title do nothing: the next
// game's map keeps the player hidden under its intro card. On the map they do
// nothing either: no reload, the player stays where he stands. Its secret-code
// entry starts, as Backspace does, on the map and not on the title.
TEST_F(LeftBehind, TheGameMenuActsOnlyWhereItBelongs) {
  GameShell.SecretCodes = true;
  run->RunFrame({});
  ASSERT_EQ(screen(), ssTitle);
  main().MenuClick("mnuReturnToMap");
  main().MenuClick("mnuRestart");
  main().MenuClick("mnuSecretCode");
  EXPECT_FALSE(Level.ReturnToMap || Level.Rebuild != TRebuild::None || Level.LevelEnded);
  EXPECT_FALSE(GameShell.SecretCodeEntry);
  press(GameShell.KeyStart);
  press(GameShell.KeyStart);
  ASSERT_EQ(screen(), ssWorldMap);
  for (int i = 0; i < kWaitFrames && WorldMap.InitialInfo; ++i) {
    ASSERT_FALSE(player().Visible) << "the player shows under the intro card at frame " << i;
    run->RunFrame({});
  }
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));

  press(manager().KeyRight);
  ASSERT_TRUE(framesUntil([&] { return standsStill(); }));
  const int node = WorldMap.MapPosition;
  main().MenuClick("mnuReturnToMap");
  main().MenuClick("mnuRestart");
  run->RunFrame({});
  EXPECT_TRUE(mapReady());
  EXPECT_EQ(WorldMap.MapPosition, node);
  EXPECT_FALSE(Level.ReturnToMap || Level.Rebuild != TRebuild::None || Level.LevelEnded);
  main().MenuClick("mnuSecretCode");
  EXPECT_TRUE(GameShell.SecretCodeEntry);
  main().MenuClick("mnuSecretCode");
  EXPECT_FALSE(GameShell.SecretCodeEntry);
}

// A game opened again with File > Open game, after the last one reached the
// fire form, starts small on its map and in its first level.
TEST_F(LeftBehind, AGameOpenedAgainStartsSmall) {
  if (!intoTheFirstLevel()) return;
  run->RunFrame({});
  main().SetPlayerMode(PlayerFire, false);
  ASSERT_EQ(GameShell.PlayerMode, PlayerFire);
  main().dlgOpen.Execute = [&](TOpenDialog& d) {
    d.FileName = main().GameFileName;
    return true;
  };
  main().MenuClick("mnuOpenGame");
  ASSERT_EQ(screen(), ssTitle);
  openTheGame();
  if (HasFatalFailure()) return;
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
  enterTheFirstLevel();
  if (HasFatalFailure()) return;
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
  EXPECT_EQ(Level.Player->Height, 16);
}

// Back on the map after a level, the player stays hidden a moment: the fire
// key pressed then (still held from the end card) enters nothing, as the
// walking keys walk nowhere; once he is shown it enters the node again.
TEST_F(LeftBehind, FireOnTheMapWaitsUntilThePlayerIsShown) {
  if (!intoTheFirstLevel()) return;
  winTheFirstLevel();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(framesUntil([&] { return screen() == ssWorldMap; }));
  ASSERT_NE(WorldMap.ShowPlayerTime, -1);
  press(manager().KeyFire1);
  EXPECT_EQ(WorldMap.EnterNodeTime, -1);
  ASSERT_TRUE(framesUntil([&] { return mapReady(); }));
  press(manager().KeyFire1);
  EXPECT_NE(WorldMap.EnterNodeTime, -1);
}

// A node whose level cannot be built (its image library is gone) gives the map
// back as any way out of a level does: the player shows again and the map
// takes keys.
TEST_F(LeftBehind, ALevelThatCannotBeBuiltGivesTheMapBackWithItsPlayer) {
  const ScratchFolder game("unbuildable");
  for (const char* part : {"Hopz.ini", "hopz.tqg", "sprites", "sounds", "music", "bitmaps", "levels", "worlds"})
    std::filesystem::copy(std::filesystem::path(TQ_STAGE_DIR) / part, game.path() / part,
                          std::filesystem::copy_options::recursive);
  game.put("levels/1-1.tql", "[Options]\r\nImageLib=sprites\\missing.iml\r\n[Sprites]\r\n0=0,1,\r\n");
  run.reset();
  run = std::make_unique<TLevelRun>(game.path().string() + "/");
  openTheGame();
  if (HasFatalFailure()) return;
  chooseTheFirstLevelNode();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(framesUntil([&] { return WorldMap.EnterNodeTime == -1; })) << "the node is never entered";
  EXPECT_TRUE(framesUntil([&] { return mapReady(); })) << "the map comes back without its player";
  run.reset();
}

}  // namespace
