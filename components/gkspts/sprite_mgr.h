#pragma once
// The sprite manager: owns the sprites of the screen and the animations they
// show, moves every enabled sprite once per frame and draws the visible ones onto
// the screen's back buffer in a fixed order of indexes and layers.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "components/gkspts/animations.h"
#include "components/gkspts/list_index.h"
#include "components/gkspts/sprite.h"

class TGKScreen;

// Events; each is called only when assigned.
using TGKSpriteMoved = std::function<void(TGKSprite& sprite)>;
using TGKSpriteEvent = std::function<void(TGKSprite& sprite, TLimitsSide side)>;
using TGKSpriteJump = std::function<void(TGKSprite& sprite)>;
using TGKAnimationEnd = std::function<void(TGKSprite& sprite)>;
using TGKKeyDown = std::function<void(uint16_t key)>;

// The manager's owned list of sprites; the index is the move and draw order.
class TGKSprites {
 public:
  explicit TGKSprites(TGKSpriteMgr& manager) : manager_(manager) {}
  ~TGKSprites();
  TGKSprites(const TGKSprites&) = delete;
  TGKSprites& operator=(const TGKSprites&) = delete;

  // New sprites go to the end of the list. X and Y are whole pixels (16-bit),
  // Speed is in pixels per move, Direction 0..31 (else EGKSprite).
  int AddBouncer(int32_t tag, int x, int y, int direction, double speed, int animation);
  // Faces direction 8.
  void AddStatic(int32_t tag, int x, int y, int animation);
  int AddJumper(int32_t tag, int x, int y, int direction, double speed, int animation);

  // Throws std::out_of_range "List index out of bounds (i)" for a bad index.
  // Inline: the game's per-frame loops call it for every sprite.
  TGKSprite& GetSprite(int index) const {
    checkListIndex(index, Count());
    return *items_[static_cast<size_t>(index)];
  }
  int Count() const { return static_cast<int>(items_.size()); }
  // Frees every sprite. During a move pass the sprites are freed when the pass
  // ends, so that the sprite being moved stays valid for the rest of its move.
  void Clear();
  // Moves every sprite: by (x, y) whole pixels with relativePos (the sum taken in
  // 16 bits, dropping the fraction of the position), else to (x, y); the velocity
  // by (vx, vy) with relativeVel, else to (vx, vy).
  void MoveAll(bool relativePos, int x, int y, bool relativeVel, double vx, double vy);

  TGKSpriteMgr& Manager() const { return manager_; }

 private:
  friend class TGKSpriteMgr;
  int Append(std::unique_ptr<TGKSprite> sprite);

  TGKSpriteMgr& manager_;
  std::vector<std::unique_ptr<TGKSprite>> items_;
  int passDepth_ = 0;
  uint32_t clears_ = 0;
  std::vector<std::unique_ptr<TGKSprite>> retired_;  // cleared during a pass
};

class TGKSpriteMgr {
 public:
  TGKSpriteMgr();
  ~TGKSpriteMgr();
  TGKSpriteMgr(const TGKSpriteMgr&) = delete;
  TGKSpriteMgr& operator=(const TGKSpriteMgr&) = delete;

  // Once per frame: passes the keys to the screen, then moves every enabled
  // sprite in index order with one tick count for the whole pass. Sprites added
  // by handlers during the pass move from the next pass on.
  void MoveSprites();
  // Once per frame, after MoveSprites: every visible sprite onto the back buffer.
  void DrawSprites();

  // The draw order: sprite 0 first when PlayerBehind; indexes 40.. of layer 1,
  // then of layer 0; indexes 39 down to 1 whatever their layer; sprite 0 last
  // unless PlayerBehind. Sprites from 40 on of any other layer are skipped.
  template <class F>
  void ForEachInDrawOrder(F&& visit) const;

  // The screen is removed: forget it.
  void Notification(const void* removed) {
    if (removed == ZEZScreen) ZEZScreen = nullptr;
  }

  TGKSprites Sprites{*this};
  TGKAnimations Animations;
  // Image surfaces, back buffer, clip rectangle and key state of the sprites.
  TGKScreen* ZEZScreen = nullptr;

  uint16_t KeyUp = 38, KeyDown = 40, KeyLeft = 37, KeyRight = 39, KeyFire1 = 17, KeyFire2 = 18;

  TGKSpriteMoved OnSpriteMoved;        // end of a bouncer's or jumper's move
  TGKSpriteEvent OnSpriteDirChange;    // edge actions eaReverse and eaBounce
  TGKSpriteEvent OnSpriteStopped;      // edge actions eaStop and eaStopOutside
  TGKSpriteEvent OnSpriteEvent;        // edge action eaEvent
  TGKSpriteJump OnSpriteJump;          // a jumper starts a jump
  TGKAnimationEnd OnAnimationEnd;      // a non-looping animation stands on its last frame
  TGKKeyDown OnKeyPressed;             // a static sprite sees a key down

  bool PlayerBehind = false;  // sprite 0 under all others instead of on top
  int32_t ScreenState = 0;    // kept here by the game; not used by the manager

 private:
  void DrawSprite(TGKSprite& sprite);
};

template <class F>
void TGKSpriteMgr::ForEachInDrawOrder(F&& visit) const {
  const int last = Sprites.Count() - 1;
  if (last < 0) return;
  TGKSprite& player = Sprites.GetSprite(0);
  if (PlayerBehind) visit(player);
  for (uint8_t layer : {uint8_t{1}, uint8_t{0}})
    for (int i = 40; i <= last; ++i) {
      TGKSprite& s = *Sprites.items_[static_cast<size_t>(i)];
      if (s.Layer == layer) visit(s);
    }
  for (int i = last < 39 ? last : 39; i >= 1; --i) visit(*Sprites.items_[static_cast<size_t>(i)]);
  if (!PlayerBehind) visit(player);
}
