// The road into a level from a map node and its play area; the steps of one
// level frame: the time bonus, auto-scroll, falling out of the level, pipe and
// door targets, and the background's source rectangle.
#include "game/Game/level_frame.h"

#include "components/ZEZSnd/TGKAudio.h"
#include "components/ZEZStar/star_field.h"
#include "game/Game/build_level.h"
#include "game/Game/draw_background.h"
#include "game/Game/level_events.h"
#include "game/Game/sprite_moved.h"
#include "level_fixture.h"
#include "platform/core/paths.h"
#include "platform/draw/gdi_bitmap.h"

namespace {

using LevelFrameTest = LevelFixture;

TEST_F(LevelFrameTest, TheTimeLeftTurnsIntoScoreWhileTheEndCountdownRuns) {
  struct Case {
    int time, endStage;
    int steps;      // calls until nothing changes any more
    int scoreGain;  // after those calls
  };
  const Case cases[] = {
      {95, 0, 10, 9 * 500 + 5 * 50},  // 500 nine times, then the last 5 seconds at 50
      {10, 2, 1, 500},
      {11, 1, 2, 500 + 50},
      {1, 0, 1, 50},
      {0, 0, 0, 0},
      {95, 3, 0, 0},   // the countdown has not reached the bonus yet
      {95, -1, 0, 0},  // the level runs
  };
  start({{0, 0, "0,1"}});
  for (const Case& c : cases) {
    SCOPED_TRACE("time " + std::to_string(c.time) + " stage " + std::to_string(c.endStage));
    Level.Score = 1000;
    Level.LevelTime = c.time;
    Level.EndStage = c.endStage;
    for (int i = 0; i < c.steps; ++i) CountTimeBonus();
    EXPECT_EQ(Level.Score, 1000 + c.scoreGain);
    const int timeAfter = c.steps > 0 ? 0 : c.time;
    EXPECT_EQ(Level.LevelTime, timeAfter);
    CountTimeBonus();
    EXPECT_EQ(Level.Score, 1000 + c.scoreGain);
  }
}

TEST_F(LevelFrameTest, TheTimeBonusSoundPlaysOnEverySecondStep) {
  start({{0, 0, "0,1"}});
  TGKAudio& audio = *main().DXAudio;
  audio.Tag = 0;
  Level.EndStage = 0;
  Level.LevelTime = 100;
  std::vector<int> tags;
  for (int i = 0; i < 4; ++i) {
    CountTimeBonus();
    tags.push_back(audio.Tag);
  }
  EXPECT_EQ(tags, (std::vector<int>{1, 0, 1, 0}));
}

TEST_F(LevelFrameTest, AutoScrollRunsToTheLevelsEndAndStopsForGood) {
  struct Case {
    const char* options;
    bool limits;
    int frames;
    int cameraX;   // after the frames
    bool active;   // AutoScrollActive after the frames
  };
  // A level of 40 cells (640 px) in a view 320 wide: the camera may reach 320.
  const Case cases[] = {
      {"AutoScrollX=-1\r\n", true, 10, 10, true},
      {"AutoScrollX=-1\r\n", true, 400, 321, false},  // passes the end by one, then stops
      {"AutoScrollX=-1\r\nHAutoScroll=1\r\n", true, 10, 5, true},
      {"AutoScrollX=-1\r\nHAutoScroll=1\r\n", true, 1000, 321, false},
      {"AutoScrollX=-2\r\n", false, 400, 800, true},  // without limits it never stops
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.options) + (c.limits ? "" : " no limits"));
    start({{0, 5, "0,1"}, {10, 5, "39,1"}}, c.options);
    Level.ScrollLimits = c.limits;
    for (int i = 0; i < c.frames; ++i) UpdateView();
    EXPECT_EQ(main().CameraX, c.cameraX);
    EXPECT_EQ(sprite(39).GetX(), 160 - c.cameraX);
    EXPECT_EQ(Level.AutoScrollActive, c.active);
  }
}

// While the game stands, for whatever reason, the level's frames play nothing:
// the auto-scroll does not move, the player does not fall, his blinking stops;
// the level is still drawn. When the reason goes, the level plays on.
TEST_F(LevelFrameTest, WhileTheGameStandsTheFramePlaysNothing) {
  for (platform::StandReason reason : {platform::StandReason::Paused, platform::StandReason::InMenu,
                                       platform::StandReason::UnderDialog}) {
    SCOPED_TRACE(static_cast<unsigned>(reason));
    start({{0, 5, "0,1"}, {10, 5, "39,1"}}, "AutoScrollX=-1\r\n");
    Level.HurtTimer = 3;
    const int playerY = player().GetY();
    const bool shown = player().Visible;
    main().SetStanding(reason, true);
    for (int i = 0; i < 10; ++i) LevelFrame();
    EXPECT_EQ(main().CameraX, 0);
    EXPECT_EQ(sprite(39).GetX(), 160);
    EXPECT_EQ(player().GetY(), playerY);
    EXPECT_EQ(player().Visible, shown);
    main().SetStanding(reason, false);
    for (int i = 0; i < 10; ++i) LevelFrame();
    EXPECT_GT(main().CameraX, 0);
    EXPECT_GT(player().GetY(), playerY);
  }
}

TEST_F(LevelFrameTest, AnEndlessAutoScrollStopsTheCameraFarBeforeTheLevel) {
  // A scroll towards the level's start never reaches an end; the largest step a
  // file may ask for, from a camera that has run for a long time.
  start({{0, 5, "0,1"}}, "AutoScrollX=99999\r\nAutoScrollY=-99999\r\n");
  EXPECT_EQ(Level.Options.AutoScrollX, 32767);
  Level.ScrollLimits = false;
  main().CameraX = -(1 << 30) + 10;
  main().CameraY = (1 << 30) - 10;
  UpdateView();
  UpdateView();
  EXPECT_EQ(main().CameraX, -(1 << 30));
  EXPECT_EQ(main().CameraY, 1 << 30);
  DrawBackground();
}

TEST_F(LevelFrameTest, APlayerWalkingAgainstTheAutoScrollKeepsItsPlace) {
  start({{2, 5, "0,1"}}, "AutoScrollX=-1\r\n");
  TGKJumper& p = player();
  struct Case { int direction; double speed; int dx; };
  for (const Case& c : {Case{8, 1.0, 0}, {24, 1.0, -1}, {8, 0.0, -1}}) {
    SCOPED_TRACE(c.direction);
    p.SetDirection(c.direction);
    p.SetSpeed(c.speed);
    const int x = p.GetX();
    UpdateView();
    EXPECT_EQ(p.GetX(), x + c.dx);
  }
}

TEST_F(LevelFrameTest, FallingOutKillsThePlayerBelowTheViewOrTwiceItWithoutLimits) {
  struct Case {
    const char* options;
    bool limits;
    int y;
    bool dies;
  };
  // The view is 208 high; a level of 20 rows is 320 high, one of 10 rows 160.
  const Case cases[] = {
      {"", true, 208, false},
      {"", true, 209, true},
      {"Height=10\r\n", true, 161, true},
      {"Height=10\r\n", true, 160, false},
      {"", false, 400, false},
      {"", false, 417, true},
      {"Height=10\r\n", false, 320, false},
      {"Height=10\r\n", false, 321, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.options) + (c.limits ? "" : "no limits ") + std::to_string(c.y));
    start({{0, 0, "0,1"}}, c.options);
    Level.ScrollLimits = c.limits;
    player().SetY(c.y);
    CheckFallingOut();
    EXPECT_EQ(Level.PlayerDying, c.dies);
  }
  // Once the level has ended nothing kills the player.
  start({{0, 0, "0,1"}});
  Level.LevelEnded = true;
  player().SetY(1000);
  CheckFallingOut();
  EXPECT_FALSE(Level.PlayerDying);
}

// Pipes and doors of the default game's first level, pointing at files of the program folder.
class PipeTargetTest : public LevelFixture {
 protected:
  void SetUp() override {
    LevelFixture::SetUp();
    run_->StartLevel(std::string(TQ_STAGE_DIR) + "/levels/1-1.tql");
    WorldMap.WorldFileName = GameShell.ExeDir + "worlds\\world1.tqw";
  }
  // Adds an object with a target text and sends the player through it.
  TGKSprite& enter(const std::string& line) {
    AddLevelObject(5, 5, "1=" + line);
    Level.EnteredPipe = count() - 1;
    player().State = 0;
    return sprite(count() - 1);
  }
};

TEST_F(PipeTargetTest, APipeToAnotherLevelRestartsWithItsEntry) {
  // Kind 330 takes no destination number from its line.
  struct Case { const char* line; int entryMode, entryPipe; };
  for (const Case& c : {Case{"16,1,levels\\1-2.tql,,4,1", EntryFromPipe, 4}, {"330,1,LEVELS\\1-2.TQL,,4,1", EntryFromTop, 0},
                        {"59,1,levels\\1-2.tql,,4,1", EntryFromPipe, 4}}) {
    SCOPED_TRACE(c.line);
    const std::string running = Level.LevelFileName;
    enter(c.line);
    FollowPipeTarget();
    EXPECT_EQ(Level.Rebuild, TRebuild::Passage);
    EXPECT_TRUE(platform::sameText(platform::extractFileName(Level.LevelFileName), "1-2.tql"));
    EXPECT_EQ(GameShell.EntryMode, c.entryMode);
    EXPECT_EQ(Level.EntryPipe, c.entryPipe);
    EXPECT_EQ(GameShell.EntryDirection, 1);
    EXPECT_EQ(Level.EnteredPipe, -1);
    Level.LevelFileName = running;
    Level.Rebuild = TRebuild::None;
  }
}

TEST_F(PipeTargetTest, APipeToTheRunningLevelWarpsInsideIt) {
  // Object 1 of the file is sprite 39: the warp's destination. The exit lines
  // are level coordinates, whatever the camera did in between.
  const TGKSprite& d = sprite(39);
  struct Case { int direction; int exitLine; };
  const int camX = main().CameraX, camY = main().CameraY;
  const int w = player().Width, h = player().Height;
  for (const Case& c : {Case{1, d.GetX() + d.Width + camX}, {2, d.GetY() + camY + d.Height},
                        {3, d.GetX() + camX - w}, {0, d.GetY() + camY - h}}) {
    SCOPED_TRACE(c.direction);
    enter("16,1,levels\\1-1.tql,,1," + std::to_string(c.direction));
    FollowPipeTarget();
    EXPECT_EQ(Level.Rebuild, TRebuild::None);
    EXPECT_EQ(GameShell.EntryMode, EntryFromPipe);
    EXPECT_EQ(player().Param3, c.exitLine);
    EXPECT_EQ(Level.EntryPipe, 0);
    // The player waits inside the destination, one size back from the exit line.
    const int x = player().GetX() + main().CameraX, y = player().GetY() + main().CameraY;
    if (c.direction == 1 || c.direction == 3) {
      EXPECT_EQ(x, c.exitLine + (c.direction == 1 ? -w : w));
    } else {
      EXPECT_EQ(y, c.exitLine + (c.direction == 2 ? -h : h));
    }
    GameShell.EntryMode = EntryNormal;
  }
  // A destination past the sprites: the player comes back out where he went in.
  enter("16,1,levels\\1-1.tql,,100000,1");
  const int x = player().GetX() + main().CameraX;
  FollowPipeTarget();
  EXPECT_EQ(GameShell.EntryMode, EntryFromPipe);
  EXPECT_EQ(player().Param3, x - 6);
  EXPECT_EQ(player().GetX() + main().CameraX, x - 6 - w);
}

// A level wider than the view with a pipe at each end, the far one the near one's target.
TEST_F(LevelFrameTest, AWarpInsideTheLevelBringsThePlayerOutOfTheFarPipeWithTheCamera) {
  start({{2, 10, "0,1"}, {4, 9, "27,1,level.tql,,2,0"}, {90, 9, "27,1"}, {20, 10, "54,1"}, {19, 11, "6,1"}, {20, 11, "6,1"}, {21, 11, "6,1"}},
        "Width=100\r\n");
  GameShell.ExeDir = scratch_.string() + "/";  // the pipe's target is this level's file
  const int near = 39, far = 40, walker = 41;
  const int walkerX = sprite(walker).GetX();
  sprite(walker).Param5 = 77;  // a rebuild would lose it
  // The player has gone down the near pipe, as its contact case leaves him.
  Level.EnteredPipe = near;
  player().State = 0;
  player().Controlled = false;
  main().DXSprites->PlayerBehind = true;
  FreezeSprites(1);
  FollowPipeTarget();
  ASSERT_EQ(GameShell.EntryMode, EntryFromPipe);
  EXPECT_EQ(Level.Rebuild, TRebuild::None);
  EXPECT_FALSE(sprite(walker).Enabled);  // everything waits while he comes out

  // Out of the far pipe's top, the camera started as for a level entered there.
  const TGKSprite& d = sprite(far);
  const int clipW = main().DXScreen->GetClipRect().width();
  EXPECT_EQ(main().CameraX, 100 * 16 - clipW);
  EXPECT_EQ(player().GetX(), d.GetX() + 10);
  EXPECT_EQ(player().GetY(), d.GetY());
  EXPECT_EQ(player().Param3, d.GetY() + main().CameraY - player().Height);
  for (int frame = 0; frame < 40 && GameShell.EntryMode != EntryNormal; ++frame) run_->RunFrame({});
  EXPECT_EQ(GameShell.EntryMode, EntryNormal);
  EXPECT_EQ(player().GetY() + main().CameraY, player().Param3);
  EXPECT_TRUE(player().Controlled);
  EXPECT_FALSE(main().DXSprites->PlayerBehind);
  // The same sprites, no longer frozen.
  EXPECT_EQ(sprite(walker).Param5, 77);
  EXPECT_TRUE(sprite(walker).Enabled);
  EXPECT_EQ(sprite(walker).GetX() + main().CameraX, walkerX);
}

TEST_F(PipeTargetTest, ADoorToAWorldReturnsToTheMap) {
  struct Case {
    const char* line;
    std::string world;  // the world shown before
    bool newWorld;
    int lastPosition;
  };
  const std::string world1 = GameShell.ExeDir + "worlds\\world1.tqw";
  const Case cases[] = {
      {"59,1,worlds\\world1.tqw,,0", world1, false, 7},
      {"59,1,worlds\\WORLD1.TQW,,3", world1, false, 16},
      {"59,1,worlds\\world1.tqw,,2", GameShell.ExeDir + "worlds\\other.tqw", true, 15},
      {"59,1,worlds\\world1.tqw,,0", GameShell.ExeDir + "worlds\\other.tqw", true, 13},
      // A node number beyond any world leaves the position as it was.
      {"59,1,worlds\\world1.tqw,,2147483647", world1, false, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    WorldMap = TWorldMapState{};
    WorldMap.WorldFileName = c.world;
    WorldMap.LastPosition = 7;
    WorldMap.InitialInfo = false;
    WorldMap.MapPosition = 20;
    main().EndedNodes = {"14"};
    Level.ReturnToMap = false;
    GameShell.EntryMode = EntryFromPipe;
    enter(c.line);
    FollowPipeTarget();
    EXPECT_TRUE(Level.ReturnToMap);
    EXPECT_EQ(GameShell.EntryMode, EntryNormal);
    EXPECT_EQ(WorldMap.MapPosition, 13);
    EXPECT_EQ(WorldMap.LastPosition, c.lastPosition);
    EXPECT_EQ(WorldMap.InitialInfo, c.newWorld);
    EXPECT_EQ(main().EndedNodes.empty(), c.newWorld);
    EXPECT_EQ(WorldMap.ShowPlayerTime != -1, !c.newWorld);
    if (c.newWorld) { EXPECT_EQ(WorldMap.WorldFileName, world1); }
  }
}

TEST_F(PipeTargetTest, AMissingTargetOnlyEndsTheTravel) {
  const std::string running = Level.LevelFileName;
  for (const char* line : {"16,1,levels\\missing.tql,,4,1", "59,1,worlds\\missing.tqw", "16,1"}) {
    SCOPED_TRACE(line);
    enter(line);
    const int x = player().GetX();
    FollowPipeTarget();
    EXPECT_EQ(Level.EnteredPipe, -1);
    EXPECT_FALSE(Level.Rebuild != TRebuild::None || Level.ReturnToMap);
    EXPECT_EQ(Level.LevelFileName, running);
    EXPECT_EQ(player().GetX(), x);
  }
  // While the entry animation runs (State > 0) the target waits.
  enter("16,1,levels\\1-2.tql");
  player().State = PipeDown;
  FollowPipeTarget();
  EXPECT_EQ(Level.EnteredPipe, count() - 1);
}

TEST(BackgroundSource, TheCameraPicksThePartOfTheSurfaceThatShows) {
  struct Case {
    const char* what;
    TBackgroundView view;
    platform::TRect source;
  };
  // View 320 x 208.
  const Case cases[] = {
      {"camera at 0", {0, 0, 320, 208, 640, 320, 480, 300, 0, 0}, {0, 0, 320, 208}},
      {"parallax", {100, 56, 320, 208, 640, 320, 480, 300, 0, 0}, {50, 46, 370, 254}},
      {"at the level's end", {320, 112, 320, 208, 640, 320, 480, 300, 0, 0}, {160, 92, 480, 300}},
      {"past the level's end", {400, 200, 320, 208, 640, 320, 480, 300, 0, 0}, {160, 92, 480, 300}},
      {"level narrower than the view", {0, 0, 320, 208, 200, 150, 330, 218, 0, 0}, {0, 0, 200, 150}},
      {"level narrower, camera moved", {-8, 4, 320, 208, 200, 150, 330, 218, 0, 0}, {10, 10, 200, 150}},
      {"surface exactly as large as the view", {100, 50, 320, 208, 640, 320, 320, 208, 0, 0}, {0, 0, 320, 208}},
      {"parallax margins", {0, 0, 320, 208, 640, 320, 480, 300, 20, 8}, {0, 0, 300, 200}},
      {"margins no smaller than the source", {0, 0, 320, 208, 640, 320, 480, 300, 320, 300}, {0, 0, 320, 208}},
      // An endless auto-scroll towards the start: the camera far before the level,
      // a wide surface over a level one pixel wider than the view.
      {"camera far before the level", {-(1 << 30), 0, 320, 208, 321, 208, 40000, 208, 0, 0}, {-40000, 0, -39680, 208}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const platform::TRect r = BackgroundSource(c.view);
    EXPECT_EQ(r.Left, c.source.Left);
    EXPECT_EQ(r.Top, c.source.Top);
    EXPECT_EQ(r.Right, c.source.Right);
    EXPECT_EQ(r.Bottom, c.source.Bottom);
  }
}

TEST_F(LevelFrameTest, ALevelEnteredFromAPipeNodeStartsInItsDestinationPipe) {
  // Object line 2 (sprite 40) is the destination pipe.
  const std::vector<TObject> level{{1, 8, "0,1"}, {10, 5, "16,1"}, {14, 5, "16,1"}};
  struct Case {
    int nodeKind;
    int entryMode;  // while the player comes out
  };
  for (const Case& c : {Case{31, EntryFromPipe}, Case{30, EntryNormal}}) {
    SCOPED_TRACE(c.nodeKind);
    build(level, "Width=30\r\nHeight=13\r\n");
    // The node the player stands on, as the map left it in the sprite list.
    WorldMap.MapPosition = 39;
    sprite(39).SetAnimation(c.nodeKind);
    sprite(39).Param1 = 2;
    sprite(39).Param2 = EntryUp;
    GameShell.EntryMode = EntryNormal;
    Level.Rebuild = TRebuild::Restart;
    Level.LevelTime = 17;
    WorldMap.EnteredFromMap = false;
    WorldMap.EnterNodeTime = 1234;
    EnterLevel(Level.LevelFileName);
    ASSERT_NE(Level.Player, nullptr);
    EXPECT_EQ(GameShell.EntryMode, c.entryMode);
    EXPECT_EQ(Level.LevelTime, 300);  // a level from the map reads its time again
    EXPECT_TRUE(WorldMap.EnteredFromMap);
    EXPECT_EQ(WorldMap.EnterNodeTime, -1);
    if (c.nodeKind == 31) {
      // Inside the top of pipe 40, its exit line one player height above it.
      EXPECT_EQ(player().GetX(), sprite(40).GetX() + 10);
      EXPECT_EQ(player().GetY(), sprite(40).GetY());
      EXPECT_EQ(player().Param3, sprite(40).GetY() - player().Height);
      EXPECT_FALSE(player().Controlled);
    } else {
      EXPECT_EQ(player().GetX(), 16);
      EXPECT_TRUE(player().Controlled);
    }
  }
}

TEST_F(LevelFrameTest, ThePlayAreaEndsAboveTheStatusBarInAWindowAndAtTheBottomInFullScreen) {
  for (bool full : {false, true}) {
    SCOPED_TRACE(full);
    GameShell.FullScreen = full;
    SetLevelPlayArea();
    const TRect clip = main().DXScreen->GetClipRect();
    EXPECT_EQ(clip.Right, 320);
    EXPECT_EQ(clip.Bottom, full ? 240 : 240 - main().StatusPicture().Height() - 6);
    for (TGKStarField* rain : {main().DXRain1.get(), main().DXRain2.get()}) {
      EXPECT_EQ(rain->EdgeRight, 320);
      EXPECT_EQ(rain->EdgeBottom, clip.Bottom);
    }
  }
  GameShell.FullScreen = false;
}

TEST_F(LevelFrameTest, ALevelStartAfterALevelLeavesNoEffectRingOnFreedSprites) {
  start({{0, 0, "0,1"}});
  Level.LevelFileName = (scratch_ / "missing.tql").string();
  StartLevel();
  for (TGKSprite* s : main().DustSprites) EXPECT_EQ(s, nullptr);
  for (TGKSprite* s : main().DropsSprites) EXPECT_EQ(s, nullptr);
  // Under the address sanitizer a stale ring would fail here.
  main().ShowDust(10, 10);
  main().ShowDrops(10, 10);
  start({{0, 0, "0,1"}});
  EXPECT_NE(main().DustSprites[0], nullptr);
}

TEST_F(LevelFrameTest, ALevelThatCannotBeBuiltGoesBackToTheMapInsteadOfBuildingFromNothing) {
  WorldMap.WorldFileName = std::string(TQ_STAGE_DIR) + "/worlds/world1.tqw";
  const std::string objects = "[Sprites]\r\n0=0,1,\r\n65541=39,1,\r\n";
  struct Case {
    const char* what;
    std::string file;  // empty: the file is gone
  };
  const Case cases[] = {
      {"a level file that is gone", ""},
      {"a missing image library", "[Options]\r\nImageLib=sprites\\missing.iml\r\n" + objects},
      {"a file that is no image library", "[Options]\r\nImageLib=sounds\\game.sdl\r\n" + objects},
      {"no image library named", "[Options]\r\nWidth=20\r\n" + objects},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    start({{0, 0, "0,1"}});
    // A restart that keeps the time, into a level that cannot stand.
    Level.LevelFileName = c.file.empty() ? (scratch_ / "gone.tql").string() : writeLevel("bad.tql", c.file);
    Level.Rebuild = TRebuild::Restart;
    StartLevel();
    EXPECT_EQ(Level.Player, nullptr);
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(Level.ReturnToMap);
    EXPECT_FALSE(Level.Rebuild != TRebuild::None || Level.LevelBuilt);
    // The next frame has no level to run: it only takes the way back.
    LevelFrame();
    EXPECT_EQ(main().ScreenState(), ssWorldMap);
    EXPECT_GT(count(), 0);
    main().SetScreenState(ssLevel);
  }
}

TEST_F(LevelFrameTest, AMapPositionOutsideTheSpriteListEntersNormally) {
  const std::vector<TObject> level{{1, 8, "0,1"}, {10, 5, "16,1"}, {14, 5, "16,1"}};
  GameShell.PlayerMode = PlayerSmall;
  build(level, "Width=30\r\nHeight=13\r\n");
  for (int position : {-1, count(), 1000000, INT32_MIN}) {
    SCOPED_TRACE(position);
    WorldMap.MapPosition = position;
    GameShell.EntryMode = EntryNormal;
    Level.EntryPipe = 0;
    EnterLevel(Level.LevelFileName);
    ASSERT_NE(Level.Player, nullptr);
    EXPECT_EQ(GameShell.EntryMode, EntryNormal);
    EXPECT_EQ(player().GetX(), 16);
    EXPECT_EQ(player().GetY(), 128);
    EXPECT_TRUE(player().Controlled);
  }
}

}  // namespace
