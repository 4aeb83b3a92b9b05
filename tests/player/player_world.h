#pragma once
// A main window with a started 320 x 240 screen in window mode, an empty level
// and the player at sprite 0, for the player's rules. Sprites are made by hand:
// each has its own image (a solid block, or a given mask) and its kind is its
// animation. The effect calls the rules make of the main window are recorded.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "platform/app/form.h"
#include "platform/core/clock.h"

// Calls to the main window's effect helpers ("dust x,y", "drops x,y", "mode m").
extern std::vector<std::string> EffectCalls;

class PlayerWorld {
 public:
  PlayerWorld();
  ~PlayerWorld();

  // An image of w x h pixels; mask rows of '#' (set) and '.' (key) when given.
  int image(int w, int h, const std::vector<std::string>& mask = {});
  // A bouncer of the given kind at (x, y) showing a new w x h image (or the mask).
  TGKSprite& sprite(int kind, int x, int y, int w, int h, const std::vector<std::string>& mask = {});
  // Sprite index of s.
  int indexOf(const TGKSprite& s) const;
  TGKJumper& player() { return *Level.Player; }
  // Puts the player at (x, y) with a w x h image, facing dir.
  void placePlayer(int x, int y, int w, int h, int dir = 8);
  // Fills sprites 1..38 with hidden, disabled pool sprites so objects start at 39.
  void addPools();
  void press(int vk);
  void release(int vk);

  TGKSpriteMgr& mgr() { return *window->DXSprites; }
  TGKScreen& screen() { return *window->DXScreen; }

  std::filesystem::path folder;
  platform::HeadlessForm form{320, 240};
  std::unique_ptr<TfmMain> window;
  platform::FakeClock clock{100000};
  std::unique_ptr<platform::ScopedClock> clockScope;
};
