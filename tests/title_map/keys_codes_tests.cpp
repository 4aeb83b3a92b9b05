// Keys by screen, pause, lives and the secret codes.
#include "fixture.h"

#include "game/frmMain/secret_codes.h"
#include "platform/core/play_clock.h"

namespace {

class KeysAndCodes : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    writeWorld("worlds/w1.tqw", "Name=Uno\r\nImageLib=sprites\\map.iml\r\nWidth=20\r\nHeight=13\r\n",
               {cellKey(2, 3) + "=0", cellKey(2, 4) + "=22"});
    start();
    Title.TitleLoaded = true;
  }
  void mapUp() { buildWorld("worlds/w1.tqw"); }
  // A level's screen: the map's sprites stand in for the level's, sprite 0 the
  // player as a jumper.
  void levelUp() {
    mapUp();
    window->SetScreenState(ssLevel);
  }
  void type(const std::string& code) {
    window->ToggleSecretCode();
    for (char c : code) window->FormKeyPress(c);
    window->ToggleSecretCode();
  }
};

TEST_F(KeysAndCodes, KeysGoToTheScreenThatIsUpAndF3F4ChangeTheRateEverywhere) {
  // Title: Start shows the menu; map: Right walks; both: F3 and F4.
  TitlePhase = 1;
  press(GameShell.KeyStart);
  EXPECT_EQ(TitlePhase, 2);
  mapUp();
  WorldMap.IntroCardStart = WorldMap.ShowPlayerTime = -1;
  press(window->DXSprites->KeyRight);
  EXPECT_EQ(sprite(0).GetVelocityX(), 2.5);
  const int fps = window->TargetFPS;
  press(platform::VK_F3);
  EXPECT_EQ(window->TargetFPS, fps + 5);
  press(platform::VK_F4);
  EXPECT_EQ(window->TargetFPS, fps);
}

TEST_F(KeysAndCodes, PauseActsOnlyInALevelAndLeavingForTheMapClearsIt) {
  mapUp();
  press(platform::VK_PAUSE);
  EXPECT_FALSE(window->Paused());
  window->SetScreenState(ssLevel);
  window->FormClick();
  EXPECT_TRUE(window->Paused());
  EXPECT_TRUE(platform::playClock().standing());
  window->FormClick();
  EXPECT_FALSE(window->Paused());
  EXPECT_FALSE(platform::playClock().standing());
  window->PauseGame();
  Level.ReturnToMap = true;
  LoadWorld();
  EXPECT_FALSE(window->Paused());
  EXPECT_FALSE(platform::playClock().standing());
  EXPECT_EQ(window->ScreenState(), ssWorldMap);
}

TEST_F(KeysAndCodes, AddLivesStopsAtTheCapButPlaysEverySound) {
  struct Case {
    int lives, n, after, pending;
  };
  for (const Case& c : {Case{5, 1, 6, 0}, Case{98, 1, 99, 0}, Case{99, 1, 99, 0}, Case{98, 3, 98, 2}}) {
    Level.Lives = c.lives;
    window->AddLives(c.n);
    EXPECT_EQ(Level.Lives, c.after) << c.lives << "+" << c.n;
    EXPECT_EQ(GameShell.PendingExtraLives, c.pending);
  }
}

TEST_F(KeysAndCodes, CodesChangeTheLevelAndTheMap) {
  struct Case {
    const char* code;
    int screen;
    std::function<bool()> applied;
    std::function<void()> arrange = [] {};  // the state the code undoes or acts on
  };
  TfmMain& w = *window;
  // A level's jumper as the player, for the codes that change its jump or looks.
  auto levelPlayer = [&]() -> TGKJumper& {
    TGKSprites& list = w.DXSprites->Sprites;
    TGKJumper& p = static_cast<TGKJumper&>(list.GetSprite(list.AddJumper(0, 40, 40, 8, 0.0, 0)));
    Level.Player = &p;
    return p;
  };
  std::vector<int> looks;  // the animations of sprites 0.. before a code
  auto keepLooks = [&] {
    looks.clear();
    for (int i = 0; i < spriteCount(); ++i) looks.push_back(sprite(i).Animation);
  };
  const int enemy = 14;  // the path sprite, made an enemy of kind 54 for the freeze codes
  const int statusBarTop = 240 - StatusBarPictureHeight() - 6;
  const Case cases[] = {
      {"ROCKLATCH", ssLevel, [&] { return w.DXSprites->PlayerBehind; }},
      {"BRIGHTCASCADE", ssLevel, [] { return !Level.ScrollLimits; }},
      {"MOONRIVER", ssLevel, [] { return Level.UnlimitedFlight; }},
      {"KESTREL", ssWorldMap, [] { return !GameShell.ShowInfo; }},
      {"GLASSHOUSE", ssLevel, [] { return Level.Options.Rain; }},
      {"ORCHARDS", ssLevel, [] { return GameShell.PlayerMode == PlayerFlying; }},
      {"BLUEFINCH", ssWorldMap, [] { return GameShell.PlayerMode == PlayerFire; }},
      {"MARBLE", ssLevel, [] { return GameShell.PlayerMode == PlayerBig; }},
      {"WINDLESSBAYS", ssWorldMap, [&] { return GameShell.FullScreen && w.DXScreen->GetClipRect().Bottom == 240; }},
      {"HAZELNUT", ssWorldMap, [&] { return w.DXSprites->Sprites.GetSprite(0).Enabled; }},
      {"WILLOWBED", ssWorldMap, [&] { return w.DXSprites->Sprites.GetSprite(5).Visible; }},
      {"PEBBLE", ssLevel, [] { return Level.Lives == 99 && Level.Score == 9999999 && Level.Coins == 99 && Level.LevelTime == 999; }},
      {"OTTERS", ssWorldMap, [] { return WorldMap.WalkAnywhere; }},
      {"SILVERMEADOW", ssLevel, [&] { return !w.DXSprites->PlayerBehind; }, [&] { w.DXSprites->PlayerBehind = true; }},
      {"COPPERGATE", ssLevel, [] { return Level.ScrollLimits; }, [] { Level.ScrollLimits = false; }},
      {"TULIPA", ssWorldMap, [] { return GameShell.ShowInfo; }, [] { GameShell.ShowInfo = false; }},
      {"PEPPERCORNS", ssLevel, [] { return !Level.Options.Rain; }, [] { Level.Options.Rain = true; }},
      {"QUIETHARBOURS", ssWorldMap,
       [&] { return !GameShell.FullScreen && w.DXScreen->GetClipRect().Bottom == statusBarTop; },
       [&] {
         GameShell.FullScreen = true;
         w.DXScreen->SetClipRect({0, 0, 320, 240});
       }},
      {"SNOWLANTERN", ssLevel, [] { return Level.Player && Level.Player->JumpStrength == 4; },
       [&] { levelPlayer().JumpStrength = 6; }},
      {"RAINLANTERN", ssLevel, [] { return Level.Player && Level.Player->JumpStrength == 8; },
       [&] { levelPlayer().JumpStrength = 6; }},
      {"AMBERTELESCOPE", ssLevel,
       [] {
         const TGKJumper* p = Level.Player;
         return p && p->StandAnimation == p->WalkAnimation && p->WalkAnimation == p->JumpAnimation &&
                p->StandAnimation >= 0 && p->StandAnimation < 100;
       },
       [&] {
         TGKJumper& p = levelPlayer();
         p.StandAnimation = 0;
         p.WalkAnimation = 1;
         p.JumpAnimation = 2;
       }},
      {"PURPLEMOUNTAIN", ssLevel,
       [&] {
         bool changed = false;
         for (int i = 1; i < spriteCount(); ++i) {
           if (sprite(i).Animation >= 100) return false;  // only the animations of the screen on show
           changed = changed || sprite(i).Animation != looks[size_t(i)];
         }
         return changed && sprite(0).Animation == looks[0];
       },
       keepLooks},
      {"DRIFTING", ssLevel, [&] { return sprite(enemy).State == 1 && !sprite(enemy).Enabled; },
       [&] { sprite(enemy).SetAnimation(54); }},
      {"BUTTERMILK", ssLevel, [&] { return sprite(enemy).State == 0 && sprite(enemy).Enabled; },
       [&] {
         sprite(enemy).SetAnimation(54);
         sprite(enemy).State = 1;
         sprite(enemy).Disable();
       }},
      {"TIDEPOOL", ssWorldMap,
       [&] {
         if (w.CameraX != 0 || w.CameraY != 0) return false;
         for (int i = 1; i < spriteCount(); ++i)
           if (sprite(i).GetX() + sprite(i).Width >= 20 * 16 || sprite(i).GetY() + sprite(i).Height >= 13 * 16)
             return false;
         return true;
       },
       [&] { w.CameraX = w.CameraY = 7; }},
      {"SEAOTTERS", ssWorldMap, [] { return !WorldMap.WalkAnywhere; }, [] { WorldMap.WalkAnywhere = true; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Level = TLevelState{};
    GameShell.PlayerMode = PlayerSmall;
    GameShell.FullScreen = false;
    GameShell.ShowInfo = true;
    WorldMap.WalkAnywhere = false;
    c.screen == ssLevel ? levelUp() : mapUp();
    // A level's player, or the map's once the stars have reached it: the player's
    // mode changes only while it is player-controlled.
    sprite(0).Controlled = true;
    c.arrange();
    ASSERT_FALSE(c.applied());
    type(c.code);
    EXPECT_TRUE(c.applied());
  }

  // JUNO scatters the sprites over the map's cells and resets the camera.
  mapUp();
  w.CameraX = 7;
  type("JUNO");
  EXPECT_EQ(w.CameraX, 0);
  for (int i = 1; i < spriteCount(); ++i) {
    const TGKSprite& s = sprite(i);
    EXPECT_EQ((s.GetX() + s.Width) % 16, 0) << i;
    EXPECT_LT(s.GetX() + s.Width, 20 * 16) << i;
  }
}

TEST_F(KeysAndCodes, EntryCollectsLettersOnlyAndMatchesWhenItEnds) {
  mapUp();
  window->ToggleSecretCode();
  EXPECT_TRUE(GameShell.SecretCodeEntry);
  for (char c : std::string("ot ters")) window->FormKeyPress(c);
  EXPECT_EQ(window->SecretCodeText, "OTTERS");
  EXPECT_FALSE(WorldMap.WalkAnywhere);
  press(platform::VK_BACK);  // Backspace ends entry on the map
  EXPECT_FALSE(GameShell.SecretCodeEntry);
  EXPECT_TRUE(WorldMap.WalkAnywhere);
  type("");  // started and ended with nothing typed
  EXPECT_TRUE(WorldMap.WalkAnywhere);
}

TEST_F(KeysAndCodes, LevelOnlyCodesDoNothingOnTheMapAndNothingWorksWhenCodesAreOff) {
  mapUp();
  const int anim = sprite(0).Animation;
  type("AMBERTELESCOPE");
  type("DRIFTING");
  EXPECT_EQ(sprite(0).Animation, anim);
  for (int i = 0; i < spriteCount(); ++i) EXPECT_EQ(sprite(i).State == 1 && !sprite(i).Enabled, false) << i;
  type("PURPLEMOUNTAIN");  // picks among the map's 100 animations only
  for (int i = 1; i < spriteCount(); ++i) EXPECT_LT(sprite(i).Animation, 100);

  GameShell.SecretCodes = false;
  window->ToggleSecretCode();
  EXPECT_FALSE(GameShell.SecretCodeEntry);
  window->SecretCodeText = "OTTERS";
  window->ToggleSecretCode();
  EXPECT_FALSE(WorldMap.WalkAnywhere);
}

TEST_F(KeysAndCodes, AModeCodeOnTheMapKeepsTheMapPlayersLooks) {
  mapUp();
  TGKSprite& p = sprite(0);
  p.Controlled = true;
  p.Enable();
  p.Show();
  WorldMap.InitialInfo = false;
  WorldMap.IntroCardStart = WorldMap.ShowPlayerTime = -1;
  type("BLUEFINCH");
  EXPECT_EQ(GameShell.PlayerMode, PlayerFire);
  // The level's fire frames lie beyond the map's images: drawing them would fail.
  ASSERT_TRUE(window->DXSprites->Animations.GetAnimation(0).Sequence(8));
  EXPECT_EQ(window->DXSprites->Animations.GetAnimation(0).Sequence(8)->Frames[0], 0);
  EXPECT_NO_THROW(frame());
}

TEST_F(KeysAndCodes, EscEndsTheProgramEvenDuringEntry) {
  int closes = 0;
  window.reset();
  TMainWindowHost host;
  host.Close = [&] { ++closes; };
  window = std::make_unique<TfmMain>(form, host);
  window->FormCreate();
  window->ToggleSecretCode();
  window->FormKeyPress(27);
  EXPECT_EQ(closes, 1);
}

}  // namespace
