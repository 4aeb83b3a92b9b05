// Level music through the main window's MIDI player (the silent sequencer on the
// runner's fake clock): the level's tune at a build, kept across a restart that
// keeps the time, and the end of the switch tune.
#include "components/MIDIPlayer/TMediaPlayer.h"
#include "game/Game/level_frame.h"
#include "game/Game/level_music.h"
#include "level_fixture.h"
#include "platform/core/clock.h"
#include "platform/core/paths.h"

namespace {

class LevelMusicTest : public LevelWithMusic {
 protected:
  TMediaPlayer& player() { return *main().MIDIPlayer; }
  bool holds(const std::string& tune) { return platform::sameText(player().FileName, GameShell.ExeDir + tune); }
  void startWithTune() { start({{0, 0, "0,1"}, {5, 5, "39,1"}, {6, 5, "49,1"}}, "MIDIFile=music\\normal 1.mid\r\n"); }
};

TEST_F(LevelMusicTest, ABuildOpensTheLevelsTuneToLoopAndPlaysItWhileMusicIsOn) {
  for (bool music : {false, true}) {
    SCOPED_TRACE(music ? "music on" : "music off");
    GameShell.PlayMusic = music;
    startWithTune();
    EXPECT_TRUE(holds("music\\normal 1.mid"));
    EXPECT_EQ(player().Tag, MusicTagLooping);
    EXPECT_TRUE(player().IsOpen());
    EXPECT_EQ(player().GetMode() == mpPlaying, music);
  }
}

TEST_F(LevelMusicTest, ATuneThatIsAFolderOrMissingLeavesTheLevelSilentAndBuildsItWhole) {
  for (const char* tune : {"music\\", "music", "music\\missing.mid"}) {
    SCOPED_TRACE(tune);
    GameShell.PlayMusic = true;
    Level.LevelBuilt = false;
    main().MainTimer.SetEnabled(false);
    start({{0, 0, "0,1"}}, std::string("MIDIFile=") + tune + "\r\n");
    EXPECT_FALSE(player().IsOpen());
    EXPECT_TRUE(Level.LevelBuilt);
    EXPECT_TRUE(main().MainTimer.Enabled());
  }
}

TEST_F(LevelMusicTest, ARestartThatKeepsTheTimeKeepsTheTuneGoing) {
  GameShell.PlayMusic = true;
  startWithTune();
  platform::activeClock().sleep(2000);
  const int reached = player().GetPosition();
  ASSERT_GT(reached, 0);
  Level.Rebuild = TRebuild::Restart;
  StartLevel();
  EXPECT_GE(player().GetPosition(), reached);
  EXPECT_EQ(player().GetMode(), mpPlaying);
  // A fresh start opens the tune again, from its beginning.
  StartLevel();
  EXPECT_LT(player().GetPosition(), reached);
  EXPECT_EQ(player().GetMode(), mpPlaying);
}

TEST_F(LevelMusicTest, TheSwitchEndsWhenItsTuneReachesPosition63OrStopsPlaying) {
  for (bool music : {true, false}) {
    SCOPED_TRACE(music ? "music on" : "music off");
    GameShell.PlayMusic = music;
    startWithTune();
    LevelMusic.Open(GameShell.ExeDir + "music\\casa de hongo.mid", 0);
    LevelMusic.Play();
    ASSERT_GT(player().GetLength(), 63);
    long endedAt = -1;
    bool switchedBack = false;
    for (int frame = 0; frame < 2000 && !switchedBack; ++frame) {
      const long position = LevelMusic.position();
      const bool playing = LevelMusic.playing();
      CheckSwitchMusicEnd();
      switchedBack = !holds("music\\casa de hongo.mid");
      if (switchedBack) endedAt = position;
      ASSERT_EQ(switchedBack, position >= 63 || !playing) << "frame " << frame << " at " << position;
      platform::activeClock().sleep(25);
    }
    ASSERT_TRUE(switchedBack);
    // Heard, the tune ends the switch at 63; silent, at once.
    EXPECT_EQ(endedAt >= 63, music) << endedAt;
    EXPECT_TRUE(holds("music\\normal 1.mid"));
    EXPECT_EQ(player().Tag, MusicTagLooping);
    EXPECT_EQ(player().GetMode() == mpPlaying, music);
    // The switch blocks change back.
    EXPECT_EQ(sprite(39).Animation, 49);
    EXPECT_EQ(sprite(40).Animation, 39);
  }
}

}  // namespace
