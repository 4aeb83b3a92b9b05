// The game stands while it is paused or its window is in the background.
//
// A pause holds the death: from the map into 1-1, the player stands until the
// level's clock runs out; paused at frames of the death (before and after its
// hop, in the fall, near its end) for longer than the death lasts, the death
// goes on after each resume as it goes without the pause, with its tune (on the
// main window's music player, the silent sequencer on the fake clock) or with
// its deadline when music is off, and the map comes back only then.
#include <string>
#include <vector>

#include "default_game_play.h"
#include "game/Game/level_events.h"
#include "game/frmMain/screen_audio_binding.h"
#include "tests/support/pause_replay.h"

namespace {

class StandingGame : public DefaultGamePlay {
 protected:
  void TearDown() override {
    UnbindScreenAudio();
    DefaultGamePlay::TearDown();
  }
  void frame() {
    run->RunFrame({});
    main().PollMusic();
  }
  TPauseReplay replay(bool music) {
    TPauseReplay r;
    r.start = [this, music] {
      TearDown();
      SetUp();
      BindScreenAudio(main());
      GameShell.PlayMusic = music;
      openTheGame();
      enterTheFirstLevel();
      Level.LevelTime = 2;  // the clock runs out in 3 s
    };
    r.play = [this](int) { frame(); };
    r.standingFrame = [this] { frame(); };
    r.pauseKey = [this] { press(platform::VK_PAUSE); };
    r.picture = [this] { return PlayPicture(main()); };
    return r;
  }
};

TEST_F(StandingGame, APauseHoldsEveryPartOfTheDeath) {
  for (bool music : {true, false}) {
    SCOPED_TRACE(music ? "the death tune" : "no music");
    const TPauseReplay r = replay(music);
    const std::vector<std::string> shown = r.straight(480);
    if (HasFatalFailure()) return;
    const int died = FirstFrameShowing(shown, "dying 1");
    ASSERT_NE(died, -1) << "the clock never runs out";
    const int mapBack = FirstFrameShowing(shown, "screen 1", died);
    ASSERT_NE(mapBack, -1) << "the map never comes back";
    // Before the death hop (a second after the death), just after it, in the fall, at the end.
    const std::vector<int> pauses{died + 1, died + 42, died + 100, mapBack - 5};
    ASSERT_GT(mapBack - died, DeathTuneMs / 25 - 2);
    r.expectPausesChangeNothing(shown, pauses, 240);  // 6 s
  }
}

// The map stands in the background too: a node chosen just before the window
// loses the focus is entered half a second of play after the choice, however
// long the window was away.
TEST_F(StandingGame, TheMapsEntryDelayStandsInTheBackground) {
  openTheGame();
  if (HasFatalFailure()) return;
  chooseTheFirstLevelNode();
  if (HasFatalFailure()) return;
  main().WindowActivated(false);
  platform::activeClock().sleep(3000);
  main().WindowActivated(true);
  run->RunFrame({});
  EXPECT_EQ(screen(), ssWorldMap) << "entered at once";
  int frames = 1;
  for (; frames < 40 && screen() == ssWorldMap; ++frames) run->RunFrame({});
  EXPECT_EQ(screen(), ssLevel);
  EXPECT_GE(frames, 500 / 25 - 1);
}

}  // namespace
