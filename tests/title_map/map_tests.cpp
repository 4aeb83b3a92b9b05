// The world map: building its sprites, walking, entering nodes, the wandering enemy.
#include "fixture.h"

#include <algorithm>

#include "components/MIDIPlayer/TMediaPlayer.h"
#include "game/Game/level_events.h"
#include "game/Map/world_kinds.h"
#include "game/frmMain/screen_audio_binding.h"

namespace {

class WorldMapPlay : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    // The levels behind the nodes are built for real, so they need their images.
    writeImageLibrary("sprites/game.iml", 600, 16);
    writeFile("levels/1-1.tql", "[Options]\r\nName=Uno\r\nImageLib=sprites\\game.iml\r\n");
    writeFile("levels/foe.tql", "[Options]\r\nImageLib=sprites\\game.iml\r\n");
    writeWorld("worlds/w2.tqw", "Name=Dos\r\nImageLib=sprites\\map.iml\r\n", {cellKey(1, 1) + "=0"});
    start();
    Title.TitleLoaded = true;
  }
  // Row 2: start at col 3, a path, a Level1a node, a path with a wandering enemy,
  // a Castle2 and a node linking another world; a lock under the path.
  void writeMainWorld(const std::string& extra = "") {
    writeWorld("worlds/w1.tqw", "Name=Uno\r\nShortName=w1\r\nImageLib=sprites\\map.iml\r\nWidth=20\r\nHeight=13\r\n" + extra,
               {cellKey(2, 3) + "=0", cellKey(2, 4) + "=22", cellKey(2, 5) + "=4,1,levels\\1-1.tql,0,0",
                cellKey(2, 6) + "=23,1,1,levels\\foe.tql", cellKey(2, 7) + "=45,1,levels\\1-1.tql",
                cellKey(2, 8) + "=29,1,worlds\\w2.tqw", cellKey(3, 4) + "=43,1,44", cellKey(4, 4) + "=400,1"});
  }
  void build() {
    writeMainWorld();
    buildWorld("worlds/w1.tqw");
  }
  // The player stands on node i, the intro card and its return behind it.
  void standOn(int i) {
    TGKSprite& p = sprite(0);
    p.SetX(sprite(i).GetX() + 1);
    p.SetY(sprite(i).GetY());
    p.Enable();
    p.Show();
    WorldMap.MapPosition = i;
    WorldMap.IntroCardStart = WorldMap.ShowPlayerTime = -1;
    WorldMap.InitialInfo = false;
    audio.sounds.clear();
  }
  TGKSpriteMgr& mgr() { return *window->DXSprites; }
};

TEST_F(WorldMapPlay, SpriteLayoutPlayerStarsDustStartThenNodesEachWithItsExtra) {
  build();
  const std::vector<int> kinds = {wkPlayerS, 42, 42, 42, 42, 42, 42, 42, 42, wkDust, wkDust, wkDust, wkDust,
                                  wkStart,   22, 4,  23, wkHammer, wkCastle2, wkHelp, 29, wkLock};
  ASSERT_EQ(spriteCount(), int(kinds.size()));  // the kind 400 line is not a world kind
  for (int i = 0; i < spriteCount(); ++i) EXPECT_EQ(sprite(i).Animation, kinds[size_t(i)]) << i;
  EXPECT_EQ(sprite(0).GetX(), 49);  // row 2, col 3, ResFactor 16
  EXPECT_EQ(sprite(0).GetY(), 32);
  EXPECT_EQ(sprite(13).GetX(), 48);
  EXPECT_FALSE(sprite(0).Visible);
  EXPECT_FALSE(sprite(0).Enabled);
  EXPECT_EQ(WorldMap.MapPosition, 13);
  EXPECT_EQ(window->MapShortName, "W1");
  EXPECT_EQ(sprite(18).GetY(), 40);  // Castle2 8 px down, its sign beside it
  EXPECT_EQ(sprite(19).GetX(), sprite(18).GetX() + sprite(18).Width);
  EXPECT_EQ(sprite(17).Param3, 16);
  EXPECT_EQ(sprite(17).Param4, 3);
  ASSERT_TRUE(SpriteTextOf(sprite(15)));
  EXPECT_EQ(*SpriteTextOf(sprite(15)), "levels\\1-1.tql");
  EXPECT_EQ(*SpriteTextOf(sprite(17)), "levels\\foe.tql");
  EXPECT_FALSE(SpriteTextOf(sprite(14)));  // a path has no link
  EXPECT_EQ(window->CameraX, 0);  // a map no wider than the screen
}

TEST_F(WorldMapPlay, HandEditedSizesAreKeptWithinTheMapsPixelRange) {
  struct Case {
    const char* options;
    int resFactor, width, height, animSpeed;
  };
  const Case cases[] = {
      {"ResFactor=1000000000\r\nWidth=2000000000\r\nHeight=2000000000\r\nAnimSpeed=2000000000\r\n", 32767,
       32767, 32767, 32767},
      {"ResFactor=-16\r\nWidth=-3\r\nHeight=-3\r\nAnimSpeed=-5\r\n", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    writeWorld("worlds/huge.tqw", std::string("ImageLib=sprites\\map.iml\r\n") + c.options,
               {cellKey(2, 3) + "=0", cellKey(2, 65535) + "=22", cellKey(32767, 4) + "=4,1,levels\\1-1.tql"});
    buildWorld("worlds/huge.tqw");
    EXPECT_EQ(Level.Options.ResFactor, c.resFactor);
    EXPECT_EQ(Level.Options.Width, c.width);
    EXPECT_EQ(Level.Options.Height, c.height);
    EXPECT_EQ(Level.Options.AnimSpeed, c.animSpeed);
    ASSERT_EQ(spriteCount(), 16);
    standOn(13);
    for (int key : {mgr().KeyRight, mgr().KeyDown}) press(key);
    for (int i = 0; i < 3; ++i) frame();
  }
}

TEST_F(WorldMapPlay, AWideMapStartsWithTheCameraOnThePlayersNode) {
  struct Case {
    int widthCells, nodeCol, cameraX;
  };
  // The view is 320 px wide; the camera stops at the map's right edge.
  for (const Case& c : {Case{40, 30, 481 - 180}, Case{40, 39, 320}, Case{40, 10, 0}, Case{20, 19, 0}}) {
    SCOPED_TRACE(c.nodeCol);
    writeWorld("worlds/wide.tqw", "ImageLib=sprites\\map.iml\r\nHeight=13\r\nWidth=" + std::to_string(c.widthCells) + "\r\n",
               {cellKey(2, 0) + "=0", cellKey(2, c.nodeCol) + "=4,1,levels\\1-1.tql"});
    WorldMap.LastPosition = 14;
    buildWorld("worlds/wide.tqw");
    EXPECT_EQ(window->CameraX, c.cameraX);
    EXPECT_EQ(window->CameraY, 0);
    EXPECT_EQ(sprite(14).GetX(), c.nodeCol * 16 - c.cameraX);
    EXPECT_EQ(sprite(0).GetX(), sprite(14).GetX() + 1);
    EXPECT_EQ(sprite(13).GetX(), -c.cameraX);
  }
}

TEST_F(WorldMapPlay, TheBackgroundPictureIsTakenFromTheProgramFolder) {
  writePicture("bitmaps/big.bmp", 400, 300);
  writePicture("bitmaps/small.bmp", 100, 50);
  struct Case {
    const char* bgImage;
    bool pictureSize;  // else the view's size plus 10 each way
  };
  // The tests run in another folder than the program's, as the game may.
  for (const Case& c : {Case{"bitmaps\\big.bmp", true}, Case{"bitmaps\\small.bmp", false},
                        Case{"bitmaps\\missing.bmp", false}, Case{"", false}}) {
    SCOPED_TRACE(c.bgImage);
    writeWorld("worlds/bg.tqw", std::string("ImageLib=sprites\\map.iml\r\nWidth=20\r\nHeight=13\r\nBgImage=") + c.bgImage + "\r\n",
               {cellKey(2, 3) + "=0"});
    buildWorld("worlds/bg.tqw");
    ASSERT_TRUE(window->BackSurface);
    const TRect clip = window->DXScreen->GetClipRect();
    EXPECT_EQ(window->BackSurface->Width, c.pictureSize ? 400 : clip.width() + 10);
    EXPECT_EQ(window->BackSurface->Height, c.pictureSize ? 300 : clip.height() + 10);
  }
}

TEST_F(WorldMapPlay, ATuneThatIsAFolderOrMissingLeavesTheMapSilentAndBuildsItWhole) {
  BindScreenAudio(*window);  // the main window's own MIDI player
  fs::create_directories(folder / "music" / "map");
  for (const char* tune : {"music\\", "music\\map", "music\\missing.mid"}) {
    SCOPED_TRACE(tune);
    writeWorld("worlds/tune.tqw",
               std::string("ImageLib=sprites\\map.iml\r\nWidth=20\r\nHeight=13\r\nWaterColor=1193046\r\nMIDIFile=") +
                   tune + "\r\n",
               {cellKey(2, 3) + "=0"});
    window->DXScreen->PaletteEntries[20] = {};
    buildWorld("worlds/tune.tqw");
    EXPECT_FALSE(window->MIDIPlayer->IsOpen());
    // The build went on past the music to the map's colours.
    EXPECT_EQ(window->DXScreen->PaletteEntries[20].peRed, 0x56);
    EXPECT_EQ(window->DXScreen->PaletteEntries[20].peBlue, 0x12);
  }
  UnbindScreenAudio();
}

TEST_F(WorldMapPlay, PlayerStartsOnTheLastNodeByMode) {
  struct Case {
    int mode, node, x, y;
  };
  writeMainWorld();
  for (const Case& c : {Case{0, 15, 81, 32}, Case{1, 15, 80, 29}, Case{2, 15, 80, 26}, Case{0, 18, 113, 48},
                        Case{2, 18, 112, 42}}) {
    SCOPED_TRACE(c.node * 10 + c.mode);
    GameShell.PlayerMode = c.mode;
    WorldMap.LastPosition = c.node;
    buildWorld("worlds/w1.tqw");
    EXPECT_EQ(sprite(0).GetX(), c.x);
    EXPECT_EQ(sprite(0).GetY(), c.y);
    EXPECT_EQ(WorldMap.MapPosition, c.node);
  }
}

TEST_F(WorldMapPlay, WonNodesShowTheirLooksOnceJustWonThenSettled) {
  struct Case {
    int node;
    bool justWon;
    int kind;
    std::vector<int> sounds;
  };
  const Case cases[] = {
      {15, true, wkM3, {SoundMapMove}}, {15, false, wkM1, {}},
      {20, true, wkM4, {SoundTransform}},  // a won "Game" node
      {21, false, 44, {}},                 // a won lock turns into its field 2
  };
  writeMainWorld();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.node);
    window->EndedNodes = {std::to_string(c.node)};
    WorldMap.LastPosition = c.justWon ? c.node : 13;
    audio.sounds.clear();
    buildWorld("worlds/w1.tqw");
    EXPECT_EQ(sprite(c.node).Animation, c.kind);
    EXPECT_EQ(audio.sounds, c.sounds);
  }
}

TEST_F(WorldMapPlay, PipeCastleAndBridgeNodesShowTheirOwnLooks) {
  // 14 a Pipe, 15 a Castle1, 16 a Brid2.
  writeWorld("worlds/w3.tqw", "ImageLib=sprites\\map.iml\r\n",
             {cellKey(2, 3) + "=0", cellKey(2, 4) + "=31,1,levels\\1-1.tql", cellKey(2, 5) + "=30,1,levels\\1-1.tql",
              cellKey(2, 6) + "=81,1"});
  struct Case {
    std::vector<std::string> ended;
    int lastPosition;
    int pipe, castle;
    std::vector<int> sounds;
    int showPlayerIn;  // ms after the build, -1 when the player is not held back
  };
  const Case cases[] = {
      {{"14"}, 14, wkM5, 30, {SoundTransform}, 500},  // a pipe is no M4
      {{"14"}, 13, wkM2, 30, {}, 1000},
      {{"15"}, 15, 31, wkCastle3, {-3}, 1000},          // the brick sound
      {{"15"}, 13, 31, wkCastle3, {}, 1000},
      {{}, 13, 31, 30, {}, -1},
  };
  WorldMap.NodeToggle = 0;
  int bridge = wkBrid2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastPosition * 100 + (c.ended.empty() ? 0 : std::stoi(c.ended[0])));
    window->EndedNodes = c.ended;
    WorldMap.LastPosition = c.lastPosition;
    WorldMap.ShowPlayerTime = -1;
    audio.sounds.clear();
    buildWorld("worlds/w3.tqw");
    EXPECT_EQ(sprite(14).Animation, c.pipe);
    EXPECT_EQ(sprite(15).Animation, c.castle);
    EXPECT_EQ(audio.sounds, c.sounds);
    EXPECT_EQ(WorldMap.ShowPlayerTime, c.showPlayerIn < 0 ? -1 : int(clock.tickCount()) + c.showPlayerIn);
    // The bridge alternates on each build, won or not.
    EXPECT_EQ(sprite(16).Animation, bridge);
    bridge = bridge == wkBrid2 ? wkBrid3 : wkBrid2;
  }
}

TEST_F(WorldMapPlay, ABeatenEnemyKeepsItsPlaceSoTheNodesAfterItKeepTheirIndexes) {
  writeMainWorld();
  // The enemy's path (16) and the Game node after it (20) are won.
  window->EndedNodes = {"16", "20"};
  WorldMap.LastPosition = 13;
  buildWorld("worlds/w1.tqw");
  ASSERT_EQ(spriteCount(), 22);
  EXPECT_EQ(sprite(17).Animation, wkHammer);
  EXPECT_FALSE(sprite(17).Enabled);
  EXPECT_FALSE(sprite(17).Visible);
  EXPECT_FALSE(SpriteTextOf(sprite(17)));  // it challenges nobody any more
  EXPECT_EQ(sprite(18).Animation, wkCastle2);
  EXPECT_EQ(sprite(20).Animation, wkM4);
  EXPECT_EQ(sprite(21).Animation, wkLock);  // not won, so still locked
  // Frames go by without it coming back.
  WorldMap.InitialInfo = false;
  WorldMap.IntroCardStart = WorldMap.ShowPlayerTime = -1;
  for (int i = 0; i < 5; ++i) frame();
  EXPECT_FALSE(sprite(17).Visible);
}

TEST_F(WorldMapPlay, OpenLocksOpenTheLockOnceAndRecordItOnce) {
  writeMainWorld();
  WorldMap.OpenLocks = true;
  buildWorld("worlds/w1.tqw");
  EXPECT_EQ(sprite(21).Animation, 44);
  EXPECT_FALSE(WorldMap.OpenLocks);
  EXPECT_EQ(audio.sounds, std::vector<int>{SoundTransform});
  WorldMap.OpenLocks = true;
  buildWorld("worlds/w1.tqw");
  EXPECT_EQ(std::count(window->EndedNodes.begin(), window->EndedNodes.end(), "21"), 1);
}

TEST_F(WorldMapPlay, WalkingLeavesAnUnwonLevelOnlyTheWayItCame) {
  build();
  TGKSpriteMgr& m = mgr();
  struct Case {
    bool walkAnywhere;
    int key;
    bool walks;
  };
  const Case cases[] = {{false, m.KeyLeft, true},  {false, m.KeyRight, false}, {false, m.KeyUp, false},
                        {false, m.KeyDown, false}, {true, m.KeyRight, true},   {true, m.KeyUp, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + (c.walkAnywhere ? " anywhere" : ""));
    standOn(15);
    WorldMap.WalkDirection = 8;  // came from the left
    WorldMap.WalkAnywhere = c.walkAnywhere;
    sprite(0).SetVelocityX(0);
    sprite(0).SetVelocityY(0);
    press(c.key);
    EXPECT_EQ(audio.sounds, std::vector<int>{c.walks ? SoundMapMove : SoundBump});
    EXPECT_EQ(sprite(0).GetVelocityX() != 0, c.walks);
  }
}

TEST_F(WorldMapPlay, AKeyWhileWalkingTurnsTheDirectionWithoutASecondSound) {
  build();
  standOn(13);
  press(mgr().KeyRight);
  EXPECT_EQ(sprite(0).GetVelocityX(), 2.5);
  EXPECT_EQ(WorldMap.WalkDirection, 8);
  press(mgr().KeyRight);
  EXPECT_EQ(audio.sounds, std::vector<int>{SoundMapMove});
  EXPECT_EQ(sprite(0).GetVelocityX(), 2.5);
}

TEST_F(WorldMapPlay, WalkingStopsOnTheNextStopPoint) {
  build();
  standOn(13);
  press(mgr().KeyRight);
  for (int i = 0; i < 40 && WorldMap.MapPosition == 13; ++i) frame();
  EXPECT_EQ(WorldMap.MapPosition, 15);  // the plain path between them is no stop point
  EXPECT_EQ(sprite(0).GetVelocityX(), 0);
  EXPECT_EQ(sprite(0).GetX(), sprite(15).GetX() + 1);
}

// Under the game's own menu or dialog the map stands: the walk stops where it
// is and no tune starts; when the menu closes the walk goes on.
TEST_F(WorldMapPlay, UnderAMenuOrADialogTheMapStands) {
  for (platform::StandReason reason : {platform::StandReason::InMenu, platform::StandReason::UnderDialog}) {
    SCOPED_TRACE(static_cast<unsigned>(reason));
    build();
    standOn(13);
    press(mgr().KeyRight);
    frame();
    window->SetStanding(reason, true);
    const int x = sprite(0).GetX(), plays = audio.plays;
    for (int i = 0; i < 40; ++i) frame();
    EXPECT_EQ(sprite(0).GetX(), x);
    EXPECT_EQ(WorldMap.MapPosition, 13);
    EXPECT_EQ(audio.plays, plays) << "a tune started under the stand";
    window->SetStanding(reason, false);
    for (int i = 0; i < 40 && WorldMap.MapPosition == 13; ++i) frame();
    EXPECT_EQ(WorldMap.MapPosition, 15);
  }
}

TEST_F(WorldMapPlay, FireOnALevelNodeEntersItsLevelAfterTheFade) {
  build();
  standOn(15);
  press(mgr().KeyFire1);
  EXPECT_EQ(audio.sounds, std::vector<int>{SoundEnterNode});
  EXPECT_EQ(audio.stops, 1);
  EXPECT_EQ(WorldMap.LastPosition, 15);
  EXPECT_EQ(WorldMap.EnteredNode, 15);
  press(mgr().KeyFire1);  // an entry is pending already
  EXPECT_EQ(audio.sounds.size(), 1u);
  frame();
  EXPECT_EQ(window->ScreenState(), ssWorldMap);
  clock.advance(501);
  frame();
  EXPECT_EQ(window->ScreenState(), ssLevel);
  EXPECT_EQ(Level.LevelFileName, GameShell.ExeDir + "levels\\1-1.tql");
  EXPECT_TRUE(WorldMap.EnteredFromMap);
  EXPECT_EQ(WorldMap.EnterNodeTime, -1);
}

TEST_F(WorldMapPlay, FireOnTheStartNodeDoesNothing) {
  build();
  standOn(13);
  press(mgr().KeyFire1);
  EXPECT_EQ(WorldMap.EnterNodeTime, -1);
  EXPECT_TRUE(audio.sounds.empty());
}

TEST_F(WorldMapPlay, AWorldNodeLoadsTheOtherWorldFromItsStart) {
  build();
  window->EndedNodes = {"15"};
  standOn(20);
  press(mgr().KeyFire1);
  clock.advance(501);
  frame();
  EXPECT_EQ(window->ScreenState(), ssWorldMap);
  EXPECT_EQ(WorldMap.WorldFileName, GameShell.ExeDir + "worlds\\w2.tqw");
  EXPECT_TRUE(window->EndedNodes.empty());
  EXPECT_EQ(WorldMap.MapPosition, 13);
  EXPECT_TRUE(WorldMap.InitialInfo);
  EXPECT_EQ(spriteCount(), 14);  // the new world: only its start node
  EXPECT_EQ(Level.Options.Name, "Dos");
}

TEST_F(WorldMapPlay, IntroCardClosesAfterItsTimeAndReleasesTheStars) {
  build();
  ASSERT_TRUE(WorldMap.InitialInfo);
  frame();
  EXPECT_TRUE(WorldMap.InitialInfo);
  clock.advance(2501);
  frame();
  EXPECT_FALSE(WorldMap.InitialInfo);
  for (int i = 1; i <= 8; ++i) EXPECT_TRUE(sprite(i).Enabled && sprite(i).Visible) << i;
  EXPECT_EQ(std::count(audio.sounds.begin(), audio.sounds.end(), SoundMapIntro), 1);
}

TEST_F(WorldMapPlay, AWanderingEnemyAtRestMeetsTheStillPlayerOnItsPath) {
  build();
  TGKSprite& hammer = sprite(17);
  hammer.Param1 = 2;
  hammer.Show();
  standOn(16);
  sprite(0).SetX(hammer.GetX());
  window->DXSpritesSpriteMoved(hammer);
  EXPECT_EQ(audio.sounds, std::vector<int>{SoundEnterNode});
  EXPECT_EQ(WorldMap.EnteredNode, 16);
  EXPECT_EQ(WorldMap.LastPosition, 16);
  ASSERT_TRUE(SpriteTextOf(sprite(16)));
  EXPECT_EQ(*SpriteTextOf(sprite(16)), "levels\\foe.tql");
  clock.advance(501);
  frame();
  EXPECT_EQ(Level.LevelFileName, GameShell.ExeDir + "levels\\foe.tql");
}

// The enemy wandered from its home path to a path listed after it, where the
// player met and beat it: the map he comes back to shows the dust and the
// transform sound where he met it, as it does on a path listed before.
TEST_F(WorldMapPlay, ABeatenEnemyMetOnAPathListedAfterItsHomeShowsItsDust) {
  const struct {
    const char* name;
    int home, met, hammer;  // sprite indexes: its home path, the path where it is met, the enemy
    std::vector<std::string> sprites;
  } cases[] = {
      {"met after its home", 15, 18, 16,
       {cellKey(2, 3) + "=0", cellKey(2, 4) + "=22", cellKey(2, 5) + "=23,1,1,levels\\foe.tql", cellKey(2, 6) + "=22",
        cellKey(2, 7) + "=23"}},
      {"met before its home", 16, 14, 17,
       {cellKey(2, 3) + "=0", cellKey(2, 4) + "=23", cellKey(2, 5) + "=22", cellKey(2, 6) + "=23,1,1,levels\\foe.tql",
        cellKey(2, 7) + "=22"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    writeWorld("worlds/w4.tqw", "Name=Cuatro\r\nImageLib=sprites\\map.iml\r\n", c.sprites);
    window->EndedNodes.clear();
    window->WanderPositions.clear();
    WorldMap.LastPosition = 13;
    buildWorld("worlds/w4.tqw");
    ASSERT_EQ(sprite(c.hammer).Animation, wkHammer);
    // The enemy rests on the path it wandered to, and the player stops there.
    TGKSprite& hammer = sprite(c.hammer);
    hammer.SetX(sprite(c.met).GetX());
    hammer.Param1 = 2;
    hammer.Show();
    standOn(c.met);
    sprite(0).SetX(hammer.GetX());
    window->DXSpritesSpriteMoved(hammer);
    ASSERT_EQ(WorldMap.EnteredNode, c.home);
    clock.advance(501);
    frame();
    ASSERT_EQ(window->ScreenState(), ssLevel);

    // Its level is won; the countdown leads back to the map.
    StartLevelEnd();
    for (int tick = 0; tick < 7; ++tick) window->MainTimerTimer();
    ASSERT_TRUE(Level.ReturnToMap);
    audio.sounds.clear();
    frame();
    ASSERT_EQ(window->ScreenState(), ssWorldMap);
    EXPECT_EQ(window->EndedNodes, std::vector<std::string>{std::to_string(c.home)});
    EXPECT_EQ(std::count(audio.sounds.begin(), audio.sounds.end(), SoundTransform), 1);
    const TGKSprite& dust = sprite(MapFirstDust);
    EXPECT_TRUE(dust.Visible);
    EXPECT_EQ(dust.GetX(), sprite(c.met).GetX());
    EXPECT_EQ(dust.GetY(), sprite(c.met).GetY());
    EXPECT_EQ(WorldMap.ShowPlayerTime, int(clock.tickCount()) + 500);
  }
}

TEST_F(WorldMapPlay, AWanderingEnemyWithNoOtherPathInReachStaysPut) {
  build();
  TGKSprite& hammer = sprite(17);
  hammer.Param1 = 0;
  hammer.Show();
  WorldMap.EnteredFromMap = true;
  WorldMap.InitialInfo = false;
  WorldMap.ShowPlayerTime = -1;
  window->DXSpritesSpriteMoved(hammer);
  EXPECT_EQ(hammer.Param1, 0);  // its row has no other enemy path
  EXPECT_TRUE(window->WanderPositions.empty());
}

}  // namespace
