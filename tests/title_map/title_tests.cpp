// The title screen: the curtain, the menu, the options box, the bullets.
#include "fixture.h"

namespace {

class TitleScreen : public ShellFixture {
 protected:
  TfmMain& startTitle(int curtainHeight) {
    writeFile("hopz.tqg", "[Options]\r\nLifes=3\r\n");
    if (curtainHeight > 0) writePicture("bitmaps/splash0.bmp", 320, curtainHeight);
    writePicture("bitmaps/splash1.bmp", 320, 240);
    return start();
  }
  void runUntilMenu() {
    for (int i = 0; i < 200 && TitlePhase != 2; ++i) frame();
  }
};

TEST_F(TitleScreen, CurtainComesToRestWithItsLowest19PixelsShown) {
  for (int height : {240, 246, 100}) {
    SCOPED_TRACE(height);
    window.reset();
    Title = TTitleState{};
    TitlePhase = -1;
    TfmMain& w = startTitle(height);
    ASSERT_TRUE(w.BackSurface);
    EXPECT_EQ(TitlePhase, -1);
    EXPECT_EQ(Title.CurtainY, -6);
    w.MainTimerTimer();
    w.MainTimerTimer();
    EXPECT_EQ(TitlePhase, 1);
    runUntilMenu();
    EXPECT_EQ(TitlePhase, 2);
    EXPECT_EQ(Title.CurtainY, 19 - height);
  }
}

TEST_F(TitleScreen, AMissingPictureIsLeftOutAndTheMenuStillComes) {
  const struct {
    bool curtain, background;
  } cases[] = {{false, true}, {true, false}, {false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.curtain ? "curtain" : "no curtain") + (c.background ? ", background" : ", none"));
    window.reset();
    Title = TTitleState{};
    TitlePhase = -1;
    fs::remove(folder / "bitmaps" / "splash0.bmp");
    fs::remove(folder / "bitmaps" / "splash1.bmp");
    writeFile("hopz.tqg", "[Options]\r\nLifes=3\r\n");
    if (c.curtain) writePicture("bitmaps/splash0.bmp", 320, 100);
    if (c.background) writePicture("bitmaps/splash1.bmp", 320, 240);
    TfmMain& w = start();
    EXPECT_EQ(static_cast<bool>(w.BackSurface), c.curtain);
    EXPECT_EQ(static_cast<bool>(w.TitleSurface2), c.background);
    w.MainTimerTimer();
    w.MainTimerTimer();
    runUntilMenu();
    EXPECT_EQ(TitlePhase, 2);
    EXPECT_NO_THROW(frame());
  }
}

TEST_F(TitleScreen, StartKeyDuringTheRiseShowsTheMenuAtOnce) {
  TfmMain& w = startTitle(240);
  TitlePhase = 1;
  frame();
  ASSERT_GT(Title.CurtainY, -221);
  ASSERT_FALSE(sprite(1).Visible);
  GameShell.PlayMusic = true;
  press(GameShell.KeyStart);
  EXPECT_EQ(TitlePhase, 2);
  EXPECT_EQ(Title.CurtainY, -221);
  for (int i = 0; i < spriteCount(); ++i) EXPECT_TRUE(sprite(i).Visible) << i;
  EXPECT_EQ(audio.plays, 1);
  EXPECT_EQ(audio.MusicFileName(), GameShell.ExeDir + "music\\splash.mid");
  EXPECT_EQ(audio.MusicTag(), MusicTagLooping);
  (void)w;
}

TEST_F(TitleScreen, SpritesAreTheFigureAndTwentySixHiddenBullets) {
  startTitle(240);
  ASSERT_EQ(spriteCount(), 1 + TitleBulletCount);
  EXPECT_EQ(sprite(0).Animation, TitleNumberAnimation);
  EXPECT_EQ(sprite(0).GetY(), 95);
  EXPECT_FALSE(sprite(0).Controlled);
  for (int i = 1; i < spriteCount(); ++i) {
    EXPECT_EQ(sprite(i).Animation, TitleBulletAnimation);
    EXPECT_FALSE(sprite(i).Visible);
    EXPECT_TRUE(sprite(i).Direction == 8 || sprite(i).Direction == 24);
    EXPECT_GE(sprite(i).GetX(), -2500);
    EXPECT_LT(sprite(i).GetX(), 2500);
  }
}

TEST_F(TitleScreen, HoldingSelectAtTheStartGivesControlOfTheFigure) {
  writeFile("hopz.tqg", "[Options]\r\n");
  platform::keyState().keyDown(GameShell.KeySelect);
  start();
  EXPECT_TRUE(sprite(0).Controlled);
}

TEST_F(TitleScreen, BulletsWrapAtTheirFarEdgesAndTheFigureLands) {
  startTitle(240);
  TGKSprite& bullet = sprite(1);
  bullet.SetX(2501);
  window->DXSpritesSpriteMoved(bullet);
  EXPECT_EQ(bullet.GetX(), -2500);
  EXPECT_EQ(bullet.Direction, 8);
  bullet.SetX(-2501);
  window->DXSpritesSpriteMoved(bullet);
  EXPECT_EQ(bullet.GetX(), 2500);
  EXPECT_EQ(bullet.Direction, 24);

  auto& figure = static_cast<TGKJumper&>(sprite(0));
  figure.JumpState = jsFalling;
  figure.SetY(500);
  window->DXSpritesSpriteMoved(figure);
  EXPECT_EQ(figure.JumpState, jsGround);
  EXPECT_EQ(figure.GetY() + figure.Height, window->DXScreen->GetClipRect().Bottom);
}

TEST_F(TitleScreen, OptionsBoxTogglesTheLineUnderTheCursor) {
  struct Case {
    int line;
    bool TShellState::*flag;
  };
  const Case cases[] = {{0, &TShellState::PlaySound}, {1, &TShellState::PlayMusic}, {2, &TShellState::FullScreen},
                        {3, &TShellState::SecretCodes}, {4, &TShellState::ShowInfo}};
  startTitle(240);
  TitlePhase = 2;
  press(GameShell.KeySelect);  // to "Options"
  EXPECT_EQ(Title.Cursor, 1);
  press(GameShell.KeyStart);
  ASSERT_TRUE(Title.OptionsOpen);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Title.OptionsCursor = c.line;
    const TShellState before = GameShell;
    press(GameShell.KeyStart);
    EXPECT_EQ(GameShell.*c.flag, !(before.*c.flag));
    for (const Case& other : cases) {
      if (other.line != c.line) {
        EXPECT_EQ(GameShell.*other.flag, before.*other.flag);
      }
    }
    press(GameShell.KeyStart);  // back as it was
  }
  audio.sounds.clear();
  Title.OptionsCursor = 5;
  press(GameShell.KeySelect);
  EXPECT_EQ(Title.OptionsCursor, 0);  // 5 wraps to 0
  EXPECT_EQ(audio.sounds, std::vector<int>{SoundMapMove});
  Title.OptionsCursor = 5;
  press(GameShell.KeyStart);
  EXPECT_FALSE(Title.OptionsOpen);
}

TEST_F(TitleScreen, TurningMusicOffInTheOptionsStopsIt) {
  startTitle(240);
  TitlePhase = 2;
  Title.OptionsOpen = true;
  Title.OptionsCursor = 1;
  GameShell.PlayMusic = true;
  press(GameShell.KeyStart);
  EXPECT_FALSE(GameShell.PlayMusic);
  EXPECT_EQ(audio.stops, 1);
}

TEST_F(TitleScreen, StartWithoutAGameFileDoesNothing) {
  start();  // no hopz.tqg
  ASSERT_TRUE(window->GameFileName.empty());
  TitlePhase = 2;
  press(GameShell.KeyStart);
  EXPECT_EQ(window->ScreenState(), ssTitle);
  EXPECT_TRUE(audio.sounds.empty());
}

TEST_F(TitleScreen, ReturnAfterAGameShowsTheMenuOnTheFirstFrame) {
  TfmMain& w = startTitle(240);
  TitlePhase = 2;
  Title.CurtainY = -221;
  Title.WorldLoaded = true;
  w.SetPaused(true);
  WorldMap.LastPosition = 20;
  w.EndedNodes = {"20"};
  ReturnToTitle();
  EXPECT_FALSE(w.Paused());
  EXPECT_EQ(WorldMap.LastPosition, -1);
  EXPECT_TRUE(w.EndedNodes.empty());
  // The curtain had come to rest: the frame drawn by the start shows the menu.
  EXPECT_EQ(TitlePhase, 2);
  EXPECT_EQ(Title.CurtainY, -221);
}

TEST_F(TitleScreen, AGameOpenedFromTheMenuIsStartedFromTheTitle) {
  TfmMain& w = startTitle(240);
  writeWorld("worlds/w2.tqw", "Name=Dos\r\nImageLib=sprites\\map.iml\r\nWidth=20\r\nHeight=13\r\n",
             {cellKey(2, 3) + "=0", cellKey(2, 4) + "=22"});
  writeFile("games/other.tqg", "[Options]\r\nLifes=7\r\nMapFile=worlds\\w2.tqw\r\n");
  buildWorld("worlds/w2.tqw");
  w.EndedNodes = {"14"};
  const std::string first = w.GameFileName;

  // A dialog closed without a file changes nothing.
  w.dlgOpen.Execute = [](TOpenDialog&) { return false; };
  w.MenuClick("mnuOpenGame");
  EXPECT_EQ(w.GameFileName, first);
  EXPECT_EQ(w.ScreenState(), ssWorldMap);

  const std::string other = (folder / "games" / "other.tqg").string();
  w.dlgOpen.Execute = [&](TOpenDialog& dialog) {
    dialog.FileName = other;
    return true;
  };
  w.MenuClick("mnuOpenGame");
  EXPECT_EQ(w.GameFileName, other);
  EXPECT_EQ(w.ScreenState(), ssTitle);
  EXPECT_TRUE(w.EndedNodes.empty());

  // Start on the title opens the chosen game, not the one found at start-up.
  press(GameShell.KeyStart);
  ASSERT_EQ(TitlePhase, 2);
  press(GameShell.KeyStart);
  EXPECT_EQ(w.ScreenState(), ssWorldMap);
  EXPECT_EQ(Level.Lives, 7);
  EXPECT_EQ(w.MapShortName, "DOS");
}


// A game whose map cannot be shown (none named, a missing file, a file that is
// not a world map, a map without a readable image library) leaves the player
// on the title, which goes on running, instead of on a map that cannot be built.
TEST_F(TitleScreen, AGameWhoseMapCannotBeShownStaysOnTheTitle) {
  const struct {
    const char* name;
    const char* mapLine;
  } cases[] = {
      {"no map", ""},
      {"missing map", "MapFile=worlds\\gone.tqw\r\n"},
      {"not a world map", "MapFile=worlds\\junk.tqw\r\n"},
      {"missing library", "MapFile=worlds\\nolib.tqw\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window.reset();
    Title = TTitleState{};
    WorldMap = TWorldMapState{};
    TitlePhase = -1;
    writeFile("worlds/junk.tqw", "\x01\x02 not a map\r\n");
    writeWorld("worlds/nolib.tqw", "Name=Uno\r\nImageLib=sprites\\none.iml\r\nWidth=20\r\nHeight=13\r\n",
               {cellKey(2, 3) + "=0", cellKey(2, 4) + "=22"});
    writeFile("hopz.tqg", std::string("[Options]\r\nLifes=3\r\n") + c.mapLine);
    writePicture("bitmaps/splash1.bmp", 320, 240);
    TfmMain& w = start();
    w.MainTimerTimer();
    w.MainTimerTimer();
    for (int i = 0; i < 200 && TitlePhase != 2; ++i) frame();
    ASSERT_EQ(TitlePhase, 2);
    press(GameShell.KeyStart);
    EXPECT_EQ(w.ScreenState(), ssTitle);
    for (int i = 0; i < 200 && TitlePhase != 2; ++i) EXPECT_NO_THROW(frame());
    EXPECT_EQ(TitlePhase, 2);
    EXPECT_NO_THROW(frame());
  }
}

}  // namespace
