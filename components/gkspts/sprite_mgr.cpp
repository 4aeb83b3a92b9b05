#include "components/gkspts/sprite_mgr.h"

#include "components/gkspts/list_index.h"
#include "components/gkspts/screen_link.h"
#include "platform/core/play_clock.h"

// ---- TGKSprites ------------------------------------------------------------

TGKSprites::~TGKSprites() = default;

int TGKSprites::Append(std::unique_ptr<TGKSprite> sprite) {
  items_.push_back(std::move(sprite));
  return Count() - 1;
}

int TGKSprites::AddBouncer(int32_t tag, int x, int y, int direction, double speed, int animation) {
  return Append(std::make_unique<TGKBouncer>(manager_, tag, x, y, direction, speed, animation));
}

void TGKSprites::AddStatic(int32_t tag, int x, int y, int animation) {
  Append(std::make_unique<TGKStatic>(manager_, tag, x, y, 8, animation));
}

int TGKSprites::AddJumper(int32_t tag, int x, int y, int direction, double speed, int animation) {
  return Append(std::make_unique<TGKJumper>(manager_, tag, x, y, direction, speed, animation));
}

void TGKSprites::Clear() {
  if (passDepth_ > 0) {
    for (auto& s : items_) retired_.push_back(std::move(s));
  }
  items_.clear();
  ++clears_;
}

void TGKSprites::MoveAll(bool relativePos, int x, int y, bool relativeVel, double vx, double vy) {
  for (auto& s : items_) {
    if (relativePos) {
      s->SetX(s->GetX() + x);
      s->SetY(s->GetY() + y);
    } else {
      s->SetX(x);
      s->SetY(y);
    }
    if (relativeVel) {
      s->SetVelocityX(s->GetVelocityX() + vx);
      s->SetVelocityY(s->GetVelocityY() + vy);
    } else {
      s->SetVelocityX(vx);
      s->SetVelocityY(vy);
    }
  }
}

// ---- TGKSpriteMgr ----------------------------------------------------------

TGKSpriteMgr::TGKSpriteMgr() = default;

// The sprites go before the animations they show.
TGKSpriteMgr::~TGKSpriteMgr() { Sprites.Clear(); }

void TGKSpriteMgr::MoveSprites() {
  if (ZEZScreen) screen_link::setKeys(*ZEZScreen, KeyLeft, KeyRight, KeyUp, KeyDown, KeyFire1, KeyFire2);
  const uint32_t tick = platform::PlayTickCount();

  // Handlers may add sprites (they wait for the next pass) or clear the list (the
  // cleared sprites live until the pass ends, and the pass stops there).
  struct PassGuard {
    TGKSprites& list;
    explicit PassGuard(TGKSprites& l) : list(l) { ++list.passDepth_; }
    ~PassGuard() {
      if (--list.passDepth_ == 0) list.retired_.clear();
    }
  } guard(Sprites);

  const int n = Sprites.Count();
  const uint32_t clears = Sprites.clears_;
  for (int i = 0; i < n && Sprites.clears_ == clears; ++i) {
    TGKSprite& s = *Sprites.items_[static_cast<size_t>(i)];
    if (s.Enabled) s.Move(tick);
  }
}

void TGKSpriteMgr::DrawSprite(TGKSprite& sprite) {
  if (!sprite.Visible) return;
  const int image = sprite.GetImageIndex();
  if (image < 0) return;  // the animation defines no frame here
  screen_link::drawImage(*ZEZScreen, image, sprite.GetX(), sprite.GetY());
}

void TGKSpriteMgr::DrawSprites() {
  if (!ZEZScreen) return;
  ForEachInDrawOrder([this](TGKSprite& s) { DrawSprite(s); });
}
