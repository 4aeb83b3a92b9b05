#pragma once
// The hand-built running level of the level-event tests, with the main window's
// dust and drops rings bound to their pools so that the puffs and splashes the
// rules show can be read back, and helpers to move one sprite as the sprite
// manager's moved event does.
#include <utility>
#include <vector>

#include "../level_events/level_fixture.h"

class RingLevel : public LevelFixture {
 protected:
  void SetUp() override;

  // A sprite of a level kind with the given size (the fixture's images are 16 x 16).
  int addSized(int kind, int x, int y, int w, int h, int direction = 8, double speed = 0);
  // Takes the objects of a previous case of a table out of play (disabled and
  // hidden) and hides the dust and drops again.
  void clearStage();
  // A sprite already moving at the given speed (a new bouncer only reaches its
  // speed on its first move).
  int addMoving(int kind, int x, int y, int direction, double speed);
  // The moved event of sprite i (LevelSpriteMoved).
  void moved(int i);
  // Where the puffs of dust (or the splashes) shown so far are, oldest first
  // (each ring starts empty, and a test shows fewer than a ring's worth).
  std::vector<std::pair<int, int>> dust() { return shown(DustPool); }
  std::vector<std::pair<int, int>> drops() { return shown(DropsPool); }
  void advance(int ms) { clock_.advance(ms); }
  int now() const { return static_cast<int>(platform::GetTickCount()); }

 private:
  std::vector<std::pair<int, int>> shown(const TEffectPool& pool);
};
