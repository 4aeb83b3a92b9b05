// The status bar's texts and drawing, the camera's dead zone and the player's
// power modes.
#include <cstring>

#include "components/ZEZ/TGKScreen.h"
#include "game/frmMain/camera.h"
#include "game/frmMain/status_bar.h"
#include "level_fixture.h"

namespace {

TEST(StatusBarTexts, ScoreLivesAndTimeArePaddedAsTheBarShowsThem) {
  struct Case { int value; const char* score; const char* lives; const char* time; };  // score nullptr: not shown
  for (const Case& c : {Case{0, "0000000", " 0", "000"}, {5, "0000005", " 5", "005"}, {42, "0000042", "42", "042"},
                        {120, "0000120", "120", "120"}, {9999999, "9999999", "9999999", "9999999"},
                        {-1, nullptr, "XX", "-1"}, {-15, nullptr, "XX", "-15"}}) {
    SCOPED_TRACE(c.value);
    if (c.score) { EXPECT_EQ(ScoreText(c.value), c.score); }
    EXPECT_EQ(LivesText(c.value), c.lives);
    EXPECT_EQ(TimeText(c.value), c.time);
  }
}

TEST(BitmapText, CharactersMapToGlyphsEightPixelsApart) {
  using G = std::vector<TGlyphPlacement>;
  struct Case { const char* text; G glyphs; };
  const Case cases[] = {
      {"a>b!", {{10, 10, 10}, {38, 18, 10}, {11, 26, 10}, {36, 34, 10}}},
      {"0 9", {{0, 10, 11}, {9, 26, 11}}},  // digits one pixel lower; the blank keeps its cell
      {"Z[\\]^_`", {{35, 10, 10}, {36, 18, 10}, {37, 26, 10}, {38, 34, 10}, {39, 42, 10}, {40, 50, 10}, {41, 58, 10}}},
      {"a-b", {{10, 10, 10}, {11, 26, 10}}},  // an unknown sign draws nothing but takes its place
      {"pausa", {{PauseGlyph, 10, 10}}},
      {"PAUSA!", {{25, 10, 10}, {10, 18, 10}, {30, 26, 10}, {28, 34, 10}, {10, 42, 10}, {36, 50, 10}}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LayoutBitmapText(10, 10, c.text), c.glyphs);
  }
}

class StatusBarTest : public LevelFixture {
 protected:
  // The back buffer's pixel (32 bits a pixel in window mode).
  uint32_t pixel(int x, int y) {
    TGKSurface& back = *main().DXScreen->BackSurface;
    const uint8_t* bits = back.Lock();
    uint32_t value = 0;
    std::memcpy(&value, bits + ptrdiff_t(y) * back.Pitch + x * 4, 4);
    back.Unlock();
    return value;
  }
  int top() { return main().DXScreen->GetClipRect().Bottom; }
  std::vector<uint32_t> row(int y, int x0, int x1) {
    std::vector<uint32_t> r;
    for (int x = x0; x < x1; ++x) r.push_back(pixel(x, y));
    return r;
  }
};

TEST_F(StatusBarTest, TheScoreIsCappedAndStoredBack) {
  start({{0, 0, "0,1"}});
  ASSERT_EQ(main().DXScreen->ColorDepth, 32);
  for (int score : {12345678, 9999999, 42}) {
    Level.Score = score;
    main().DrawStatusBar();
    EXPECT_EQ(Level.Score, std::min(score, MaxShownScore));
  }
}

TEST_F(StatusBarTest, TheRunMeterShowsOneTriangleAStep) {
  start({{0, 0, "0,1"}});
  const int T = top();
  std::vector<uint32_t> empty;
  main().RunMeter = 0;
  main().DrawStatusBar();
  for (int k = 0; k < 6; ++k) empty.push_back(pixel(72 + 8 * k, T + 11));
  main().RunMeter = 4;
  main().DrawStatusBar();
  for (int k = 0; k < 6; ++k) {
    SCOPED_TRACE(k);
    if (k < 4) {
      EXPECT_EQ(pixel(72 + 8 * k, T + 11) & 0xFFFFFF, 0xFFFFFFu);
    } else {
      EXPECT_EQ(pixel(72 + 8 * k, T + 11), empty[size_t(k)]);
    }
  }
}

TEST_F(StatusBarTest, ValuesAndCardsChangeTheirCellsOnly) {
  start({{0, 0, "0,1"}});
  const int T = top();
  Level.Coins = 0;
  main().Cards = {0, 0, 0};
  main().DrawStatusBar();
  const std::vector<uint32_t> coins = row(T + 10, 150, 166), card = row(T + 12, 177, 200);
  Level.Coins = 47;
  main().Cards = {41, 0, 0};
  main().DrawStatusBar();
  EXPECT_NE(row(T + 10, 150, 166), coins);
  EXPECT_NE(row(T + 12, 177, 200), card);
}

TEST_F(StatusBarTest, InFullScreenNothingOfTheBarIsDrawn) {
  start({{0, 0, "0,1"}});
  TGKScreen& s = *main().DXScreen;
  const int bottom = s.BackSurface->Height;
  s.SetClipRect({0, 0, s.GetClipRect().Right, bottom});
  s.BackSurface->Erase(0);
  GameShell.ShowInfo = true;
  main().FrameTime = 25;
  main().RunMeter = 6;
  Level.Score = 12345678;
  main().DrawStatusBar();
  for (int y : {bottom - 30, bottom - 20, bottom - 10, bottom - 1})
    for (int x = 0; x < s.BackSurface->Width; x += 7) ASSERT_EQ(pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
  EXPECT_EQ(Level.Score, 12345678);
}

TEST_F(StatusBarTest, FiveDustCallsReuseTheFirstDustSprite) {
  start({{0, 0, "0,1"}});
  TGKSprite* first = main().DustSprites[0];
  for (int i = 0; i < 5; ++i) main().ShowDust(10 * i, 20);
  EXPECT_EQ(first->GetX(), 40);
  EXPECT_TRUE(first->Visible && first->Enabled);
  EXPECT_EQ(first->Animation, 61);
  EXPECT_EQ(main().DustIndex, 1);
  main().ShowDrops(3, 4);
  EXPECT_EQ(main().DropsSprites[0]->Animation, 287);
}

TEST(CameraStep, ThePlayerMovesTheCameraOnlyOutsideTheDeadZone) {
  struct Case {
    int pos, camera;
    bool clamped;
    int step;
  };
  // A view of 320 over a level of 640; ahead 20, behind 20: the dead zone is 141..179.
  const Case cases[] = {
      {141, 100, true, 0},  {179, 100, true, 0},  {160, 0, true, 0},
      {180, 100, true, 0},  {181, 100, true, 1},  {200, 100, true, 20},
      {140, 100, true, 0},  {139, 100, true, -1}, {100, 100, true, -40},
      {200, 310, true, 0},   // would pass the right edge: not taken, not shortened
      {181, 319, true, 1},  {100, 30, true, 0},   // would pass the left edge
      {200, 310, false, 20}, {100, 30, false, -40},  // without limits the camera follows past the edges
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.pos) + " at camera " + std::to_string(c.camera));
    EXPECT_EQ(CameraStep(c.pos, 320, c.camera, 640, c.clamped, DeadZoneRight, DeadZoneLeft), c.step);
  }
  // Vertically 20 below and 40 above the middle of 208 (104): still from 65 to 123.
  for (int y : {65, 100, 123}) EXPECT_EQ(CameraStep(y, 208, 50, 400, true, DeadZoneDown, DeadZoneUp), 0) << y;
  EXPECT_EQ(CameraStep(130, 208, 50, 400, true, DeadZoneDown, DeadZoneUp), 6);
  EXPECT_EQ(CameraStep(60, 208, 50, 400, true, DeadZoneDown, DeadZoneUp), -4);
}

using ScrollViewTest = LevelFixture;

TEST_F(ScrollViewTest, TheViewFollowsThePlayerAndMovesEverySprite) {
  start({{5, 5, "0,1"}, {10, 5, "39,1"}}, "Width=100\r\nHeight=30\r\n");
  player().SetX(200);
  player().SetY(150);
  main().ScrollView();
  EXPECT_EQ(main().CameraX, 20);
  EXPECT_EQ(main().CameraY, 26);
  EXPECT_EQ(player().GetX(), 180);
  EXPECT_EQ(player().GetY(), 124);
  EXPECT_EQ(sprite(39).GetX(), 160 - 20);
  EXPECT_EQ(sprite(39).GetY(), 80 - 26);
  // Standing still inside the dead zone never moves it again.
  for (int i = 0; i < 5; ++i) main().ScrollView();
  EXPECT_EQ(main().CameraX, 20);
  EXPECT_EQ(main().CameraY, 26);
  // Without limits it goes past the level's left edge.
  Level.ScrollLimits = false;
  player().SetX(0);
  main().ScrollView();
  EXPECT_EQ(main().CameraX, 20 - 140);
}

using PlayerModeTest = LevelFixture;

TEST_F(PlayerModeTest, EachModeGivesItsHeightAndShiftsThePlayer) {
  struct Case {
    int from, to, direction;
    int dx, dy, height;
    bool mayFly;  // after the change, MayFly having been set
  };
  const Case cases[] = {
      {0, 1, 8, 0, -16, 26, false},  {1, 0, 8, 0, 10, 16, false}, {0, 3, 24, 0, -16, 26, false},
      {3, 1, 8, 0, 0, 26, false},    {0, 2, 8, -6, -16, 27, true}, {0, 2, 24, 6, -16, 27, true},
      {1, 2, 8, -6, 0, 27, true},    {2, 0, 24, -4, 10, 16, false}, {2, 0, 8, 4, 10, 16, false},
      {2, 1, 8, 0, 0, 26, false},    {1, 1, 8, 0, 0, -1, true},  // no change: position, height, flags stay
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to) + " facing " + std::to_string(c.direction));
    GameShell.PlayerMode = c.from;
    start({{5, 5, "0,1"}});
    TGKJumper& p = player();
    p.SetDirection(c.direction);
    p.SetX(100);
    p.SetY(100);
    const int height = p.Height;
    Level.MayFly = true;
    main().SetPlayerMode(c.to, false);
    EXPECT_EQ(GameShell.PlayerMode, c.to);
    EXPECT_EQ(p.GetX(), 100 + c.dx);
    EXPECT_EQ(p.GetY(), 100 + c.dy);
    EXPECT_EQ(p.Height, c.height < 0 ? height : c.height);
    EXPECT_EQ(Level.MayFly, c.mayFly);
    EXPECT_EQ(Level.HurtTimer, -1);
  }
}

TEST_F(PlayerModeTest, TheFramesAndTheFallLimitFollowTheModeAndTheMedium) {
  GameShell.PlayerMode = PlayerBig;
  start({{5, 5, "0,1"}});
  TGKJumper& p = player();
  p.Param4 = MediumWater;
  main().SetPlayerMode(PlayerSmall, true);
  EXPECT_EQ(Level.HurtTimer, 2);
  EXPECT_NEAR(p.GetMaxFall(), Level.MaxFallSpeed / 3.0, 1e-3);
  auto frames = [&](int animation, int direction) {
    const TGKSequence* s = main().DXSprites->Animations.GetAnimation(animation).Sequence(direction);
    return s ? std::vector<int>(s->Frames.begin(), s->Frames.begin() + s->Count) : std::vector<int>{};
  };
  EXPECT_EQ(frames(2, 8), (std::vector<int>{472, 473, 474}));
  p.Param4 = MediumDry;
  main().SetPlayerMode(PlayerSmall, false);  // same mode: only the frames change
  EXPECT_EQ(frames(2, 24), (std::vector<int>{5, 5, 5}));
  EXPECT_EQ(frames(1, 24), (std::vector<int>{1, 3, 1, 3}));
  // While an entry runs, nothing changes.
  GameShell.EntryMode = EntryFromPipe;
  main().SetPlayerMode(PlayerFire, false);
  EXPECT_EQ(GameShell.PlayerMode, PlayerSmall);
}

}  // namespace
