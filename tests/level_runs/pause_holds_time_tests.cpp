// A pause holds the level's time: a sequence timed by tick stamps or by its tune
// (the switch, a lit bomb, a full run meter in the flying form), paused for
// longer than it lasts, goes on after the resume exactly as it goes without the
// pause. Levels written by the test, played through the main window headless,
// with its music player on the silent sequencer and the fake clock.
#include "components/MIDIPlayer/TMediaPlayer.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/window_keys.h"
#include "level_fixture.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "tests/support/pause_replay.h"

namespace {

constexpr int kGround = 12;  // the row of the ground

class PauseHoldsTime : public LevelWithMusic {
 protected:
  void TearDown() override {
    platform::keyState().clear();
    LevelWithMusic::TearDown();
  }

  // A flat level of width cells, the player above column 2, and the objects given.
  void startOnGround(int width, std::vector<TObject> objects, bool music) {
    std::vector<TObject> level{{2, kGround - 6, "0,1"}};
    for (int c = 0; c < width; ++c) level.push_back({c, kGround, "6,1"});
    level.insert(level.end(), objects.begin(), objects.end());
    GameShell.PlayMusic = music;
    start(level, "Width=" + std::to_string(width) + "\r\nMIDIFile=music\\normal 1.mid\r\n");
  }
  void hold(int key, bool down) { DeliverKey(main(), key, down); }
  // One frame as the window runs it: the frame, the timers, the music's notice.
  void frame() {
    run_->RunFrame({});
    main().PollMusic();
  }
  TPauseReplay replay(std::function<void()> begin, std::function<void(int)> keys = {}) {
    TPauseReplay r;
    r.start = [this, begin] {
      TearDown();
      SetUp();
      begin();
    };
    r.play = [this, keys](int n) {
      if (keys) keys(n);
      frame();
    };
    r.standingFrame = [this] { frame(); };
    r.pauseKey = [this] {
      hold(platform::VK_PAUSE, true);
      hold(platform::VK_PAUSE, false);
    };
    r.picture = [this] { return PlayPicture(main()); };
    return r;
  }
};

// The player lands on a switch: the bricks are coins until the switch tune
// ends (music on) or its time passes (music off). Paused for longer than that,
// the coins are still coins after the resume, and turn back when they would have.
TEST_F(PauseHoldsTime, TheSwitchEffectWaitsOutAPause) {
  for (bool music : {true, false}) {
    SCOPED_TRACE(music ? "the switch tune" : "no music");
    const TPauseReplay r = replay([&] { startOnGround(40, {{2, kGround - 1, "52,1"}, {8, 6, "39,1"}}, music); });
    const std::vector<std::string> shown = r.straight(400);
    const int pressed = FirstFrameShowing(shown, ": 53 ");
    ASSERT_NE(pressed, -1) << "the switch is never pressed";
    const int coinAt = FirstFrameShowing(shown, "score 1000");
    ASSERT_EQ(coinAt, pressed);
    ASSERT_NE(shown.back().find(": 39 "), std::string::npos) << "the brick never comes back";
    r.expectPausesChangeNothing(shown, {pressed + 2, pressed + 120}, 300);  // 7.5 s
  }
}

// A lit bomb explodes 1.5 s after the stomp and is gone 1 s later, however long
// a pause in between.
TEST_F(PauseHoldsTime, ALitBombWaitsOutAPause) {
  const TPauseReplay r = replay([&] { startOnGround(40, {{0, kGround - 1, "94,1"}}, false); });
  const std::vector<std::string> shown = r.straight(200);
  const int lit = FirstFrameShowing(shown, ": 95 ");
  const int exploding = FirstFrameShowing(shown, ": 96 ");
  ASSERT_NE(lit, -1) << "the bomb is never lit";
  ASSERT_GT(exploding, lit);
  r.expectPausesChangeNothing(shown, {lit + 1, exploding + 5}, 160);  // 4 s
}

// The flying form runs flat out with Fire2 until the meter is full, then lets
// go: the meter keeps its flight for 5 s of play, a pause not counted.
TEST_F(PauseHoldsTime, AFullRunMeterKeepsItsFlightThroughAPause) {
  bool running = false;
  const TPauseReplay r = replay(
      [&] {
        startOnGround(200, {}, false);
        main().SetPlayerMode(PlayerFlying, false);
        running = false;
      },
      [&](int n) {
        if (n == 1) {
          hold(main().DXSprites->KeyRight, true);
          hold(main().DXSprites->KeyFire2, true);
          running = true;
        } else if (running && Level.MayFly) {
          hold(main().DXSprites->KeyFire2, false);
          hold(main().DXSprites->KeyRight, false);
          running = false;
        }
      });
  const std::vector<std::string> shown = r.straight(500);
  const int full = FirstFrameShowing(shown, "fly 1");
  ASSERT_NE(full, -1) << "the meter never fills";
  const int emptied = FirstFrameShowing(shown, "fly 0", full);
  ASSERT_NE(emptied, -1) << "the meter never empties";
  EXPECT_GE(emptied - full, 200 - 1) << "5 s at 40 frames a second";
  r.expectPausesChangeNothing(shown, {full + 2, full + 100}, 240);  // 6 s
}

// A level that scrolls by itself at half speed, a step every other frame, and
// a hurt player blinking every other frame: a pause of an odd number of frames
// shifts neither. (The picture holds the camera: it does not catch up with the
// player under a pause either.)
TEST_F(PauseHoldsTime, TheHalfSpeedScrollAndTheBlinkingKeepTheirStepsThroughAPause) {
  const TPauseReplay r = replay([&] {
    GameShell.PlayMusic = false;
    std::vector<TObject> level{{2, kGround - 1, "0,1"}};
    for (int c = 0; c < 120; ++c) level.push_back({c, kGround, "6,1"});
    start(level, "Width=120\r\nAutoScrollX=1\r\nHAutoScroll=1\r\n");
    Level.HurtTimer = 2;
  });
  const std::vector<std::string> shown = r.straight(60);
  ASSERT_NE(shown[10].substr(0, 20), shown[50].substr(0, 20)) << "the level does not scroll";
  r.expectPausesChangeNothing(shown, {21, 40}, 7);
}

}  // namespace

namespace {

class FreezeAndDeath : public PauseHoldsTime {
 protected:
  // A flat level that the player enters up out of its first object, a pipe at
  // column 6 (sprite 39), with the objects given after it.
  void buildOutOfThePipe(const std::vector<TObject>& objects) {
    GameShell.EntryMode = EntryFromPipe;
    GameShell.EntryDirection = EntryUp;
    Level.EntryPipe = 1;
    main().SetScreenState(ssLevel);
    std::vector<TObject> level{{2, 4, "0,1"}, {6, kGround - 2, "27,1"}};
    level.insert(level.end(), objects.begin(), objects.end());
    for (int c = 0; c < 40; ++c) level.push_back({c, kGround, "6,1"});
    build(level, "Width=40\r\n");
  }
};

// Out of a pipe the level stands frozen until the player is out: a hidden chest
// beside the pipe stays hidden the whole way and shows itself once, after.
TEST_F(FreezeAndDeath, AHiddenChestWaitsForThePlayerToBeOutOfThePipe) {
  buildOutOfThePipe({{9, kGround - 1, "180,1,0,0"}});
  const int chest = 40;  // after the pipe, sprite 39
  ASSERT_EQ(sprite(chest).Animation, 180);
  ASSERT_EQ(GameShell.EntryMode, EntryFromPipe);
  int frames = 0;
  for (; frames < 200 && GameShell.EntryMode != EntryNormal; ++frames) {
    frame();
    ASSERT_FALSE(sprite(chest).Visible) << "shown " << frames + 1 << " frames into the way out of the pipe";
  }
  ASSERT_EQ(GameShell.EntryMode, EntryNormal);
  ASSERT_GT(frames, 2);
  frame();
  EXPECT_TRUE(sprite(chest).Visible);
  EXPECT_TRUE(sprite(chest).Enabled);
}

// A fire plant beside the pipe, out and about to shoot, holds its fire while
// the player comes out of the pipe: no fireball flies, or hangs in the air after.
TEST_F(FreezeAndDeath, AFirePlantBesideThePipeHoldsItsFireWhileThePlayerComesOut) {
  buildOutOfThePipe({{10, kGround - 2, "27,1,,9"}});
  int plant = -1;
  for (int i = 39; i < count(); ++i)
    if (sprite(i).Animation == 222) plant = i;
  ASSERT_NE(plant, -1);
  sprite(plant).Timer = 2;    // out of its pipe, waiting
  sprite(plant).Param1 = 24;  // it shoots at 25
  auto flying = [&] {
    int n = 0;
    for (int k = 0; k < FireballPool.count; ++k) n += sprite(FireballPool.first + k).Visible;
    return n;
  };
  int frames = 0;
  for (; frames < 200 && GameShell.EntryMode != EntryNormal; ++frames) {
    frame();
    ASSERT_EQ(flying(), 0) << "a fireball " << frames + 1 << " frames into the way out of the pipe";
  }
  ASSERT_EQ(GameShell.EntryMode, EntryNormal);
  for (int i = 0; i < 40; ++i) {
    frame();
    for (int k = 0; k < FireballPool.count; ++k) {
      const TGKSprite& ball = sprite(FireballPool.first + k);
      ASSERT_FALSE(ball.Visible && !ball.Enabled) << "a fireball hangs in the air " << i + 1 << " frames after";
    }
  }
  EXPECT_EQ(flying(), 1) << "it shoots once the player is out";
}

// With music on and the switch tune missing the switch lasts its time (not one
// frame); a death in that time keeps its tune to its end, which ends the death,
// instead of the level's tune taking over when the switch's time is up.
TEST_F(FreezeAndDeath, TheSwitchsTimeDoesNotReplaceTheDeathTune) {
  startOnGround(40, {{2, kGround - 1, "52,1"}, {8, 6, "39,1"}}, true);
  // A program folder whose music has no switch tune.
  const fs::path music = scratch_ / "music";
  fs::create_directories(music);
  for (const char* tune : {"death.mid", "normal 1.mid"})
    fs::copy_file(fs::path(GameShell.ExeDir) / "music" / tune, music / tune);
  GameShell.ExeDir = scratch_.string() + "/";
  int frames = 0;
  for (; frames < 200 && Level.Score < 1000; ++frames) frame();
  ASSERT_EQ(Level.Score, 1000) << "the switch is never pressed";
  ASSERT_FALSE(main().MIDIPlayer->IsOpen() && main().MIDIPlayer->GetMode() == mpPlaying &&
               main().MIDIPlayer->FileName.find("casa") != std::string::npos);
  for (int i = 0; i < 80; ++i) frame();  // 2 s of the switch's 6.3
  ASSERT_TRUE(SwitchEffectRunning()) << "the switch ends before its time";
  KillPlayer();
  ASSERT_TRUE(Level.PlayerDying);
  ASSERT_TRUE(platform::sameText(platform::extractFileName(main().MIDIPlayer->FileName), "death.mid"));
  int dead = 0;
  for (; dead < 400 && !Level.ReturnToMap && main().ScreenState() == ssLevel; ++dead) {
    ASSERT_TRUE(platform::sameText(platform::extractFileName(main().MIDIPlayer->FileName), "death.mid"))
        << dead << " frames after the death";
    frame();
  }
  EXPECT_LT(dead, 400) << "the death never ends";
  EXPECT_GE(dead, DeathTuneMs / 25 - 2);
}

}  // namespace
