#pragma once
// A level played without a display: the main window on a headless form, the
// program folder of a game, a fake clock that advances 25 ms a frame and a key
// script. Each frame's state is kept for the JSON report.
#include <memory>
#include <string>
#include <vector>

#include "platform/app/form.h"
#include "platform/core/clock.h"
#include "tools/tqrun/run_options.h"

class TfmMain;

struct TFrameState {
  int frame = 0;
  int x = 0, y = 0;  // the player's level position
  int playerMode = 0, score = 0, coins = 0, lives = 0, levelTime = 0;
  bool levelEnded = false, levelWon = false, playerDying = false, returnToMap = false;
};

class TLevelRun {
 public:
  // Opens the program folder gameDir (its Hopz.ini and image libraries; the run
  // is silent: no sound library or music is opened) and starts the screen with
  // the clock's tick count at startTick. Throws ERunArgument when the folder
  // does not exist.
  explicit TLevelRun(const std::string& gameDir, uint32_t startTick = 1000);
  ~TLevelRun();
  TLevelRun(const TLevelRun&) = delete;
  TLevelRun& operator=(const TLevelRun&) = delete;

  // Reads and builds a level as a map node would. Throws ERunArgument when the
  // file does not exist or builds no level.
  void StartLevel(const std::string& levelFile);
  // One frame: the key events of this frame, the screen's idle frame, the
  // one-second timer. Frames count from 1.
  void RunFrame(const std::vector<TKeyEvent>& script);
  // The state after the last frame; for the frame that handed the level over,
  // the level's as the player's last move left it (its end taken, leaving).
  TFrameState State() const;
  // The last frame shown, as 0x00RRGGBB pixels.
  const std::vector<uint32_t>& Picture() const { return form_.display.frame; }
  int PictureWidth() const { return form_.display.frameWidth; }
  int PictureHeight() const { return form_.display.frameHeight; }
  bool InLevel() const;
  // Throws ERunArgument for the first event whose key is neither a key name nor
  // a virtual-key code, wherever in the script it stands.
  void CheckKeys(const std::vector<TKeyEvent>& script) const;

  TfmMain& Main() { return *main_; }
  int Frame() const { return frame_; }

 private:
  int keyCode(const std::string& key) const;
  void typeCode(const std::string& code);
  TFrameState levelState() const;

  platform::FakeClock clock_;
  platform::HeadlessForm form_{640, 480};
  std::unique_ptr<TfmMain> main_;
  int frame_ = 0;
  // The level as the last move of its player left it: a level left for the map
  // or the title keeps nothing of itself once its frame ends.
  TFrameState lastMove_;
};

// Writes the frames' states as a JSON array.
std::string FrameStatesJson(const std::vector<TFrameState>& states);
// Writes 0x00RRGGBB pixels as a PNG file; throws ERunArgument when it cannot.
void WritePng(const std::string& file, const std::vector<uint32_t>& pixels, int width, int height);
