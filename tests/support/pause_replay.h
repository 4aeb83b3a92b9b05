#pragma once
// The form of the pause tests: a sequence of a level played once straight,
// every frame's picture recorded; then again from a fresh start, paused before
// chosen frames for longer than the sequence lasts. Under each pause nothing
// may change, and after each resume every frame must show what the straight
// run showed at that frame.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"

// What the game shows and keeps: the screen, the player and the level's counts,
// and every sprite shown or moving, in level positions.
inline std::string PlayPicture(TfmMain& m) {
  std::ostringstream out;
  out << "screen " << m.ScreenState() << " camera " << m.CameraX << "," << m.CameraY;
  if (m.ScreenState() == ssLevel && Level.Player)
    out << " player " << Level.Player->GetX() + m.CameraX << "," << Level.Player->GetY() + m.CameraY << " shown "
        << Level.Player->Visible;
  out << " dying " << Level.PlayerDying << " time " << Level.LevelTime << " hurt " << Level.HurtTimer << " lives "
      << Level.Lives << " meter " << m.RunMeter << " fly " << Level.MayFly << " score " << Level.Score << "\n";
  TGKSprites& sprites = m.DXSprites->Sprites;
  for (int i = 1; i < sprites.Count(); ++i) {
    const TGKSprite& s = sprites.GetSprite(i);
    if (s.Visible || s.Enabled)
      out << i << ": " << s.Animation << (s.Enabled ? " on " : " off ") << s.Visible << " " << s.GetX() + m.CameraX
          << "," << s.GetY() + m.CameraY << "\n";
  }
  return out.str();
}

// The first frame of shown from `from` on whose picture holds text; -1 for none.
inline int FirstFrameShowing(const std::vector<std::string>& shown, const std::string& text, int from = 0) {
  for (size_t n = size_t(from); n < shown.size(); ++n)
    if (shown[n].find(text) != std::string::npos) return int(n);
  return -1;
}

struct TPauseReplay {
  std::function<void()> start;              // a fresh game up to the sequence's first frame
  std::function<void(int frame)> play;      // frame n of the sequence (from 1), keys and all
  std::function<void()> standingFrame;      // a frame under the pause
  std::function<void()> pauseKey;           // pauses, or resumes
  std::function<std::string()> picture;     // what the game shows and keeps

  // Pictures after the start and after each of frames frames.
  std::vector<std::string> straight(int frames) const {
    start();
    std::vector<std::string> shown{picture()};
    for (int n = 1; n <= frames; ++n) {
      play(n);
      shown.push_back(picture());
    }
    return shown;
  }

  // Plays as many frames as straight showed, pausing for pauseFrames frames
  // before each frame of pausesBefore (in order).
  void expectPausesChangeNothing(const std::vector<std::string>& shown, const std::vector<int>& pausesBefore,
                                 int pauseFrames) const {
    start();
    size_t next = 0;
    for (int n = 1; n < int(shown.size()); ++n) {
      if (next < pausesBefore.size() && pausesBefore[next] == n) {
        ++next;
        SCOPED_TRACE("paused before frame " + std::to_string(n));
        pauseKey();
        const std::string atPause = picture();
        for (int i = 1; i <= pauseFrames; ++i) {
          standingFrame();
          ASSERT_EQ(picture(), atPause) << "something changed " << i << " frames into the pause";
        }
        pauseKey();
      }
      play(n);
      ASSERT_EQ(picture(), shown[size_t(n)]) << "frame " << n;
    }
    ASSERT_EQ(next, pausesBefore.size()) << "a pause lies beyond the sequence";
  }
};
