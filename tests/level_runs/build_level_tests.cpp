// Building a level: the sprite index layout, the per-kind set-up of object
// lines, the player's entry and the first camera position.
#include "game/Game/build_level.h"

#include <cstdint>
#include <cstring>

#include "level_fixture.h"
#include "components/ZEZ/TGKScreen.h"
#include "game/Game/draw_background.h"
#include "game/Game/player_input.h"
#include "game/Game/sprite_moved.h"
#include "platform/core/bitmap.h"
#include "platform/core/clock.h"

namespace {

using BuildLevelTest = LevelFixture;

TEST_F(BuildLevelTest, PlayerThenEffectPoolsThenObjectsWithAPlantBeforeItsPipe) {
  start({{0, 0, "0,1"}, {4, 5, "39,1,50"}, {6, 5, "16,1,,1"}, {8, 5, "999,1"}, {9, 5, "abc,1"}, {10, 5, "41,1"}});
  ASSERT_EQ(count(), 39 + 6);
  EXPECT_EQ(&sprite(0), Level.Player);
  struct Pool { int first, count, kind; };
  for (const Pool& p : {Pool{1, 12, 40}, {13, 4, 61}, {17, 4, 101}, {21, 3, 50}, {24, 6, 213}, {30, 3, 286},
                        {33, 4, 287}, {37, 2, 332}})
    for (int i = p.first; i < p.first + p.count; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(sprite(i).Animation, p.kind);
      EXPECT_FALSE(sprite(i).Enabled);
      EXPECT_FALSE(sprite(i).Visible);
    }
  EXPECT_EQ(main().DustSprites[0], &sprite(13));
  EXPECT_EQ(main().DropsSprites[3], &sprite(36));
  EXPECT_EQ(sprite(39).Animation, 39);
  EXPECT_EQ(sprite(40).Animation, 214);  // the plant comes first...
  EXPECT_EQ(sprite(41).Animation, 16);   // ...and shifts its pipe and every later object
  // Kinds that are no level kind keep their places, switched off.
  for (int i : {42, 43}) {
    EXPECT_FALSE(sprite(i).Enabled);
    EXPECT_FALSE(sprite(i).Visible);
  }
  EXPECT_EQ(sprite(44).Animation, 41);
}

TEST_F(BuildLevelTest, OnlyThePlayerLineGivesSprites0To38AndNoLinesStartAtCell0) {
  start({{3, 2, "0,1"}});
  EXPECT_EQ(count(), 39);
  EXPECT_EQ(player().GetX(), 48);
  EXPECT_EQ(player().GetY(), 32);
  start({});
  EXPECT_EQ(count(), 39);
  EXPECT_EQ(player().GetX(), 0);
  EXPECT_EQ(player().GetY(), 0);
}

TEST_F(BuildLevelTest, PlantCodesOutsideOneToTenAddNoPlant) {
  for (const char* code : {"0", "11", "", "x"}) {
    SCOPED_TRACE(code);
    start({{0, 0, "0,1"}, {5, 5, std::string("20,1,,") + code}});
    EXPECT_EQ(count(), 40);
    EXPECT_EQ(sprite(39).Animation, 20);
  }
}

TEST_F(BuildLevelTest, PlantsStandAndTurnByTheirCode) {
  struct Case { int code, kind, dx, dy, state; };
  start({{0, 0, "0,1"}});
  // Pipe at (80, 80).
  for (const Case& c : {Case{1, 214, 8, 0, 80 - 24}, {2, 215, -16, 8, 64}, {4, 217, 8, 8, 88 - 32}, {7, 220, 8, -24, 56},
                        {10, 223, 8, 0, 80 - 32}}) {
    SCOPED_TRACE(c.code);
    AddLevelObject(5, 5, "1=16,1,," + std::to_string(c.code));
    TGKSprite& plant = sprite(count() - 2);
    EXPECT_EQ(sprite(count() - 1).Animation, 16);
    EXPECT_EQ(plant.Animation, c.kind);
    EXPECT_EQ(plant.GetX(), 80 + c.dx);
    EXPECT_EQ(plant.GetY(), 80 + c.dy);
    EXPECT_EQ(plant.State, c.state);
    EXPECT_EQ(plant.StartPos, MakeLong(80 + c.dx, 80 + c.dy));
    EXPECT_EQ(plant.Timer, 0);
  }
  AddLevelObject(5, 5, "1=238,1,,1");
  EXPECT_EQ(sprite(count() - 2).GetX(), 80);  // under a kind-238 object the plant is 8 pixels further left
}

struct KindCase {
  const char* line;
  int dx, dy;          // from the cell's pixel position (80, 80)
  int direction;       // -1: not checked
  double speed;        // < 0: not checked
  int data, param1, param2, param3, param4, param5, state;  // INT32_MIN: not checked
  const char* text;    // Data as a text, nullptr when not a text
  bool visible, enabled;
};
constexpr int N = INT32_MIN;

TEST_F(BuildLevelTest, ObjectLinesSetUpTheirKinds) {
  // The player starts at (0, 0): every object is to its right.
  start({{0, 0, "0,1"}});
  const KindCase cases[] = {
      {"39,1,50", 0, 0, 8, 0, N, N, N, N, 0, N, N, "50", true, true},
      {"39,01", 0, 0, 8, 0, 0, N, N, N, 0, N, N, nullptr, false, true},
      {"46,1", 0, 0, 8, 0, 0, N, N, N, N, N, N, nullptr, true, true},
      {"16,1,levels\\a.tql,,3,1", 0, 0, 8, 0, N, N, N, 3, 1, N, N, "levels\\a.tql", true, true},
      {"25,1,x,,2,3,7", 0, 0, 8, 0, N, N, N, 2, 3, 7, N, "x", true, true},
      {"59,1,w.tqw,,4,2", 0, 0, 8, 0, N, N, N, 4, 2, N, N, "w.tqw", true, true},
      {"60,1,t,,4,2", 0, 0, 8, 0, N, N, N, 0, 2, N, N, "t", true, true},
      {"55,1", 0, 0, 0, 7, 7, N, N, 1, N, N, N, nullptr, true, true},
      {"55,1,5", 0, 0, 0, 5, 5, N, N, 1, N, N, N, nullptr, true, true},
      {"163,1", 0, 0, 31, 7.3, 8, N, 4, 1, N, N, N, nullptr, true, true},
      {"163,1,6,2", 0, 0, 24, 6, 6, N, 4, 2, N, N, N, nullptr, true, true},
      {"232,1,6,3", 0, 6, 0, 6, 6, N, 4, 3, N, N, N, nullptr, true, true},
      {"57,1", 0, 6, 24, 0.75, N, N, N, N, N, N, N, nullptr, true, true},
      {"54,1", 0, 0, 24, 0.75, N, N, N, N, N, N, N, nullptr, true, true},
      {"233,1", 0, 0, 24, 2.0, N, N, N, N, N, N, N, nullptr, true, true},
      {"335,1", 0, 9, 24, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"56,1", 0, 0, 24, 2.5, N, N, N, N, N, N, N, nullptr, true, true},
      {"97,1,1", 0, 0, 8, 0, N, N, N, N, N, N, 3248, nullptr, true, true},
      {"97,1,0", 0, 0, 8, 0, N, N, N, N, N, N, 0, nullptr, true, true},
      {"331,1,0,1,5", 0, 0, 8, 0, N, 1, 5, N, N, N, 0, nullptr, true, true},
      {"100,1", 0, 0, 24, 2.0, N, N, N, N, N, N, 3248, nullptr, true, true},
      {"102,1", 0, 0, 24, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"105,1", 4, 0, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"63,1,12", 0, 0, 8, 0, N, N, N, N, N, N, 12, nullptr, true, true},
      {"180,1,1,1", 0, 16, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"180,1", 0, 0, 8, 0, N, N, N, N, N, N, N, nullptr, false, false},
      {"197,1", -8, 0, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"333,1", 0, 0, 8, 1.0, N, N, N, N, N, N, N, nullptr, true, true},
      {"203,1,3,4", 0, 0, 8, 0, N, N, 3, 4, N, N, N, nullptr, true, true},
      {"204,1", 0, 8, 24, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"349,1", 0, 4, 24, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"237,1", 4, 0, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"338,1", 0, 2, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"277,1", 0, 0, 24, 1.0, N, N, N, N, N, N, N, nullptr, true, true},
      {"362,1", 0, 13, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"67,1,3,1,0", 0, 0, 8, 3, N, N, 1, 0, 3, N, N, nullptr, true, true},
      {"67,1,3,1,2", 0, 0, 8, 0, N, N, 1, 2, 3, N, N, nullptr, true, true},
      {"340,1", 0, 8, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"341,1", 0, 0, 8, 0, N, N, N, N, N, N, N, nullptr, false, false},
      {"348,1", 8, 0, 8, 0, N, N, N, N, N, N, N, nullptr, true, true},
      {"355,1,9", 0, 0, 8, 0, N, 9, N, N, N, N, N, nullptr, true, true},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.line);
    const int before = count();
    AddLevelObject(5, 5, std::string("1=") + c.line);
    ASSERT_EQ(count(), before + 1);
    TGKSprite& s = sprite(before);
    EXPECT_EQ(s.GetX(), 80 + c.dx);
    EXPECT_EQ(s.GetY(), 80 + c.dy);
    if (c.direction >= 0) { EXPECT_EQ(s.Direction, c.direction); }
    if (c.speed >= 0) { EXPECT_NEAR(s.GetSpeed(), c.speed, 1e-4); }
    if (c.data != N) { EXPECT_EQ(s.Data, c.data); }
    if (c.param1 != N) { EXPECT_EQ(s.Param1, c.param1); }
    if (c.param2 != N) { EXPECT_EQ(s.Param2, c.param2); }
    if (c.param3 != N) { EXPECT_EQ(s.Param3, c.param3); }
    if (c.param4 != N) { EXPECT_EQ(s.Param4, c.param4); }
    if (c.param5 != N) { EXPECT_EQ(s.Param5, c.param5); }
    if (c.state != N) { EXPECT_EQ(s.State, c.state); }
    if (c.text) {
      ASSERT_NE(SpriteTextOf(s), nullptr);
      EXPECT_EQ(*SpriteTextOf(s), c.text);
    }
    EXPECT_EQ(s.Visible, c.visible);
    EXPECT_EQ(s.Enabled, c.enabled);
    EXPECT_NEAR(s.GetMaxSpeed(), 10.0, 1e-4);
  }
}

TEST_F(BuildLevelTest, StartPointsFollowOnlyTheMovesThatUpdateThem) {
  start({{0, 0, "0,1"}});
  struct Case { const char* line; int x, y; };
  for (const Case& c : {Case{"1=57,1", 80, 86}, {"1=204,1", 80, 80}, {"1=105,1", 84, 80}, {"1=197,1", 80, 80}}) {
    SCOPED_TRACE(c.line);
    AddLevelObject(5, 5, c.line);
    EXPECT_EQ(sprite(count() - 1).StartPos, MakeLong(c.x, c.y));
  }
}

TEST_F(BuildLevelTest, FacingKindsTurnTowardsThePlayer) {
  start({{0, 0, "0,1"}});
  player().SetX(320);
  struct Case { const char* line; int column, direction; };
  for (const Case& c : {Case{"1=54,1", 5, 8}, {"1=54,1", 30, 24}, {"1=163,1", 5, 1}, {"1=163,1", 30, 31},
                        {"1=56,1", 5, 8}, {"1=204,1", 30, 24}}) {
    SCOPED_TRACE(std::string(c.line) + " at " + std::to_string(c.column));
    AddLevelObject(c.column, 5, c.line);
    EXPECT_EQ(sprite(count() - 1).Direction, c.direction);
  }
}

TEST_F(BuildLevelTest, CannonsAreReadyToShootAndLongTextsStayWhole) {
  const std::string longName(300, 'a');
  start({{0, 0, "0,1"}});
  AddLevelObject(5, 5, "1=97,1,1");
  EXPECT_EQ(sprite(count() - 1).Timer, int32_t(platform::GetTickCount() - 1000));
  AddLevelObject(6, 5, "1=39,1," + longName);
  ASSERT_NE(SpriteTextOf(sprite(count() - 1)), nullptr);
  EXPECT_EQ(*SpriteTextOf(sprite(count() - 1)), longName);
}

TEST_F(BuildLevelTest, ABuildResetsThePlayState) {
  Level.Rebuild = TRebuild::Passage;
  Level.ReturnToMap = Level.PlayerDying = Level.LevelEnded = Level.LevelWon = true;
  Level.Crouching = Level.MayFly = Level.Carrying = true;
  Level.HurtTimer = Level.EndStage = 3;
  main().SetPaused(true);
  main().RunMeter = 4;
  main().CardBonusLives = 2;
  main().DustIndex = 3;
  NextPlayerFireball = 1;
  start({{0, 0, "0,1"}}, "Time=123\r\n");
  EXPECT_EQ(Level.Rebuild, TRebuild::None);
  EXPECT_FALSE(Level.ReturnToMap || Level.PlayerDying || Level.LevelEnded || Level.LevelWon);
  EXPECT_FALSE(Level.Crouching || Level.MayFly || Level.Carrying || main().Paused());
  EXPECT_EQ(Level.HurtTimer, -1);
  EXPECT_EQ(Level.EndStage, -1);
  EXPECT_EQ(Level.LevelTime, 123);
  EXPECT_EQ(main().RunMeter, 0);
  EXPECT_EQ(main().CardBonusLives, 0);
  EXPECT_EQ(main().DustIndex, 0);
  EXPECT_EQ(NextPlayerFireball, 0);
  EXPECT_TRUE(Level.LevelBuilt && Level.LevelLoaded);
  EXPECT_TRUE(main().MainTimer.Enabled());
}

// The destination pipe of object line 2 (sprite 40, line 1 is sprite 39) stands at (160, 80).
struct EntryCase {
  int mode, pipe, direction, playerMode;
  int x, y;      // the player's place
  int exitLine;  // the player's Param3, N when not set
  bool controlled;
  int entryModeAfter;
};

TEST_F(BuildLevelTest, TheFourEntryModesAndTargetsOutOfRange) {
  start({{1, 8, "0,1"}, {10, 5, "16,1"}, {10, 5, "16,1"}}, "Width=20\r\nHeight=13\r\n");
  TGKJumper& p = player();
  const int w = p.Width, h = p.Height;
  const int sx = 16, sy = 128;  // the start cell (1, 8)
  const TGKSprite& d = sprite(40);
  const int dx = d.GetX(), dy = d.GetY(), dw = d.Width, dh = d.Height;
  ASSERT_GT(w, 0);
  ASSERT_GT(dw, 0);
  const EntryCase cases[] = {
      {0, 1, 0, 0, dx, dy + dh - h, N, true, 0},  // stands on object EntryPipe + 39
      {0, 9, 0, 0, sx, sy, N, true, 0},           // beyond the sprites: the start cell
      {1, 0, 0, 0, sx, 208, N, false, 1},
      {2, 2, 1, 0, dx + dw - w, dy + dh - h, dx + dw, false, 2},  // out to the right, moved back in by its width
      {2, 2, 3, 0, dx - w + w, dy + dh - h, dx - w, false, 2},
      {2, 2, 0, 0, dx + 10, dy - h + h, dy - h, false, 2},
      {2, 2, 2, 1, dx + 8, dy + dh - h, dy + dh, false, 2},
      {2, 2, 0, 2, dx + 6, dy, dy - h, false, 2},
      // No destination: shifted left, then into the pipe as ever.
      {2, 0, 1, 0, sx - 6 - w, sy, sx - 6, false, 2},
      {2, 99, 1, 1, sx - 8 - w, sy, sx - 8, false, 2},
      {2, -4, 3, 2, sx - 10 + w, sy, sx - 10, false, 2},
      {2, INT32_MAX, 1, 0, sx - 6 - w, sy, sx - 6, false, 2},  // a file's number no level holds
      {0, INT32_MAX, 0, 0, sx, sy, N, true, 0},
      {3, 0, 0, 0, 160, -h, N, true, 0},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + " pipe " + std::to_string(c.pipe) + " direction " +
                 std::to_string(c.direction));
    p.SetX(sx);
    p.SetY(sy);
    p.Controlled = true;
    p.Param3 = N;
    main().DXSprites->PlayerBehind = false;
    GameShell.EntryMode = c.mode;
    GameShell.PlayerMode = c.playerMode;
    GameShell.EntryDirection = c.direction;
    Level.EntryPipe = c.pipe;
    PlaceEnteringPlayer();
    if (c.mode == 2) UnfreezeSprites(1);
    EXPECT_EQ(p.GetX(), c.x);
    EXPECT_EQ(p.GetY(), c.y);
    if (c.exitLine != N) { EXPECT_EQ(p.Param3, c.exitLine); }
    EXPECT_EQ(p.Controlled, c.controlled);
    EXPECT_EQ(GameShell.EntryMode, c.entryModeAfter);
    EXPECT_EQ(Level.EntryPipe, 0);
    EXPECT_EQ(main().DXSprites->PlayerBehind, c.mode == 2);
  }
}

TEST_F(BuildLevelTest, UnlimitedFlightStartsWithAFullRunMeter) {
  Level.UnlimitedFlight = true;
  start({{0, 0, "0,1"}});
  EXPECT_EQ(main().RunMeter, 6);
  EXPECT_TRUE(Level.MayFly);
}

struct CameraCase {
  int column, row;
  int cameraX, cameraY;
};

TEST_F(BuildLevelTest, TheCameraStartsNearThePlayerAndStaysInsideTheLevel) {
  // A level of 100 x 30 cells (1600 x 480) in a view of 320 x 208.
  const CameraCase cases[] = {
      {5, 3, 0, 0},
      {50, 10, 800 - 160 - 20, 160 - 104 - 20},
      {98, 28, 1600 - 320, 480 - 208},
      {11, 7, 0, 0},  // x 176 is not past 160 + 20
  };
  for (const CameraCase& c : cases) {
    SCOPED_TRACE(c.column);
    start({{c.column, c.row, "0,1"}, {0, 0, "39,1"}}, "Width=100\r\nHeight=30\r\n");
    EXPECT_EQ(main().CameraX, c.cameraX);
    EXPECT_EQ(main().CameraY, c.cameraY);
    EXPECT_EQ(sprite(39).GetX(), -c.cameraX);
  }
  // A level narrower than the view never scrolls.
  start({{18, 3, "0,1"}}, "Width=19\r\nHeight=10\r\n");
  EXPECT_EQ(main().CameraX, 0);
}

TEST_F(BuildLevelTest, TheBackgroundTakesAPictureAsLargeAsTheViewOrStretchesItOverTheView) {
  // The view is 320 x 208; a smaller picture, or none, gives a surface 10 pixels larger each way.
  struct Case {
    const char* what;
    int width, height;  // of the picture; 0: no picture file
    int surfaceWidth, surfaceHeight;
  };
  const Case cases[] = {
      {"larger", 400, 300, 400, 300},  {"exactly the view", 320, 208, 320, 208},
      {"narrower", 100, 300, 330, 218}, {"lower", 400, 50, 330, 218},
      {"no picture", 0, 0, 330, 218},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string options = "BgColor=16711680\r\nBgWidth=20\r\nBgHeight=8\r\n";  // blue
    if (c.width > 0) {
      platform::Bitmap picture(c.width, c.height, 8);
      picture.colors[1] = {200, 30, 40};
      picture.pixels.assign(picture.pixels.size(), 1);
      const std::string file = writeLevel("sky.bmp", platform::encodeBmp(picture));
      options += "BgImage=" + file + "\r\n";
    }
    start({{0, 0, "0,1"}}, options);
    ASSERT_NE(main().BackSurface, nullptr);
    EXPECT_EQ(main().BackSurface->Width, c.surfaceWidth);
    EXPECT_EQ(main().BackSurface->Height, c.surfaceHeight);
    // The key values become the view's size less them: the parallax margins.
    EXPECT_EQ(Level.Options.BgWidth, 300);
    EXPECT_EQ(Level.Options.BgHeight, 200);
    DrawBackground();
    TGKSurface& back = *main().DXScreen->BackSurface;
    const uint8_t* bits = back.Lock();
    uint32_t pixel = 0;
    std::memcpy(&pixel, bits + ptrdiff_t(5) * back.Pitch + 5 * 4, 4);
    back.Unlock();
    EXPECT_EQ(pixel & 0xFFFFFF, c.width > 0 ? 0xC81E28u : 0x0000FFu);
  }
}

}  // namespace
