#pragma once
// A manager without a screen, with a small set of animations, and a recorder of
// the manager's events.
#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "platform/core/keys.h"

struct SpriteWorld {
  // Animation 0: every direction, one frame. 1: directions 4 and 12 only.
  // 2: looping, three frames of 100 ms. 3: non-looping, three frames of 100 ms.
  enum { kAll = 0, kDiagonals = 1, kLoop3 = 2, kOnce3 = 3 };

  SpriteWorld() {
    platform::keyState().clear();
    mgr.Animations.Add("all", true);
    mgr.Animations.GetAnimation(mgr.Animations.Add("diagonals", true)).DefineSequence(4, 50, {7});
    mgr.Animations.GetAnimation(kDiagonals).DefineSequence(12, 50, {8, 9});
    mgr.Animations.GetAnimation(kAll).DefineAllSequences(50, {1});
    mgr.Animations.GetAnimation(mgr.Animations.Add("loop", true)).DefineAllSequences(100, {10, 11, 12});
    mgr.Animations.GetAnimation(mgr.Animations.Add("once", false)).DefineAllSequences(100, {20, 21, 22});
    mgr.OnSpriteDirChange = [this](TGKSprite& s, TLimitsSide side) { log("dir", s, side); };
    mgr.OnSpriteStopped = [this](TGKSprite& s, TLimitsSide side) { log("stop", s, side); };
    mgr.OnSpriteEvent = [this](TGKSprite& s, TLimitsSide side) { log("event", s, side); };
    mgr.OnSpriteMoved = [this](TGKSprite& s) { events.push_back("moved " + std::to_string(s.Tag)); };
    mgr.OnSpriteJump = [this](TGKSprite& s) { events.push_back("jump " + std::to_string(s.Tag)); };
    mgr.OnAnimationEnd = [this](TGKSprite& s) { events.push_back("end " + std::to_string(s.Tag)); };
    mgr.OnKeyPressed = [this](uint16_t key) { events.push_back("key " + std::to_string(key)); };
  }
  ~SpriteWorld() { platform::keyState().clear(); }

  void log(const char* what, TGKSprite& s, TLimitsSide side) {
    static const char* names[] = {"left", "top", "right", "bottom"};
    events.push_back(std::string(what) + " " + std::to_string(s.Tag) + " " + names[side]);
  }

  // A bouncer of the given speed and direction, 10 x 10, in bounds (0, 0, 100, 100).
  TGKSprite& bouncer(int x, int y, int direction, double speed = 0, int tag = 0) {
    TGKSprite& s = mgr.Sprites.GetSprite(mgr.Sprites.AddBouncer(tag, x, y, direction, speed, kAll));
    s.Width = s.Height = 10;
    s.Bounds = {0, 0, 100, 100};
    return s;
  }

  TGKSpriteMgr mgr;
  std::vector<std::string> events;
};
