#include "components/gkspts/sprite.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "components/gkspts/screen_link.h"
#include "components/gkspts/sprite_mgr.h"
#include "platform/core/keys.h"

TGKSprite::TGKSprite(TGKSpriteMgr& manager, int32_t tag) : Manager(&manager), Tag(tag) {
  if (manager.ZEZScreen) Bounds = screen_link::clipRect(*manager.ZEZScreen);
}

void TGKSprite::UpdateVelocity() {
  // At rest, as level objects are on every frame, both products are 0 whatever
  // the direction: no floating-point round trip.
  if (Speed == Fixed16()) {
    checkDirection(Direction);
    VelocityX = VelocityY = Fixed16();
    return;
  }
  VelocityX = Fixed16(GetSpeed() * DirectionX(Direction));
  VelocityY = Fixed16(GetSpeed() * DirectionY(Direction));
}

void TGKSprite::UpdateVelocityX() { VelocityX = Fixed16(GetSpeed() * DirectionX(Direction)); }

void TGKSprite::SetSpeed(double v) {
  Speed = Fixed16(v);
  UpdateVelocity();
}

bool TGKSprite::StepSpeedUp() {
  if (Speed == MaxSpeed) return false;
  Speed += Acceleration;
  if (Speed > MaxSpeed) Speed = MaxSpeed;
  return true;
}

bool TGKSprite::StepSpeedDown() {
  if (Speed == MinSpeed) return false;
  Speed -= Deceleration;
  if (Speed < MinSpeed) Speed = MinSpeed;
  return true;
}

void TGKSprite::Accelerate() {
  if (StepSpeedUp()) UpdateVelocity();
}

void TGKSprite::Decelerate() {
  if (StepSpeedDown()) UpdateVelocity();
}

void TGKSprite::MoveAttached(Fixed16 dx, Fixed16 dy) {
  if (!Attached) return;
  Attached->X += dx;
  Attached->Y += dy;
}

const TGKAnimation* TGKSprite::CurrentAnimation() const { return Manager->Animations.Find(Animation); }

const TGKSequence* TGKSprite::ShownSequence() const {
  const TGKAnimation* anim = CurrentAnimation();
  return anim ? anim->Sequence(Sequence) : nullptr;
}

void TGKSprite::SizeToImage(int imageIndex) {
  if (Manager->ZEZScreen) screen_link::imageSize(*Manager->ZEZScreen, imageIndex, Width, Height);
}

void TGKSprite::ShowSequence(int d) {
  const TGKAnimation* anim = CurrentAnimation();
  const TGKSequence* seq = anim ? anim->Sequence(d) : nullptr;
  if (!seq) return;
  Sequence = d;
  FrameDelay = seq->Delay;
  Frame = 0;
  FrameCount = seq->Count;
  SizeToImage(seq->Frames[0]);
}

void TGKSprite::SetDirection(int d) {
  checkDirection(d);
  Direction = d;
  ShowSequence(d);
  UpdateVelocity();
}

void TGKSprite::SetSequence(int d) {
  checkDirection(d);
  Direction = d;
  ShowSequence(d);
}

void TGKSprite::SetAnimation(int a) {
  if (a == Animation) return;
  Animation = a;
  const TGKAnimation* anim = CurrentAnimation();
  if (!anim || !anim->HasSequence(Direction)) Direction = 0;
  SetDirection(Direction);
}

int TGKSprite::GetImageIndex() const {
  const TGKSequence* seq = ShownSequence();
  if (!seq || Frame < 0 || Frame >= seq->Count) return -1;
  return seq->Frames[static_cast<size_t>(Frame)];
}

void TGKSprite::PointTo(int px, int py) {
  const int cx = GetX() + Width / 2;
  const int cy = GetY() + Height / 2;
  int d = 0;
  if (px != cx || py != cy) {
    const double a = std::atan2(std::abs(cy - py), std::abs(cx - px)) * 180.0 / std::numbers::pi;
    const bool right = px >= cx, above = py < cy;
    double bearing;
    if (right && above) bearing = std::abs(a - 90);
    else if (right) bearing = a + 90;
    else if (!above) bearing = std::abs(a - 90) + 180;
    else bearing = a + 270;
    d = static_cast<int>(std::nearbyint(bearing / 11.25)) % kDirectionCount;
  }
  SetDirection(d);
}

void TGKSprite::BounceVertical() { SetDirection(Direction > 16 ? 48 - Direction : 16 - Direction); }

void TGKSprite::BounceHorizontal() { SetDirection(Direction > 0 ? 32 - Direction : 0); }

void TGKSprite::Animate(uint32_t tick) {
  if (static_cast<int64_t>(tick - LastFrameTime) < FrameDelay) return;
  const TGKSequence* seq = ShownSequence();
  const TGKAnimation* anim = CurrentAnimation();
  if (!seq || FrameCount <= 0) return;  // nothing to animate
  LastFrameTime = tick;
  ++Frame;
  if (Frame >= FrameCount) {
    if (!anim->Looping) {
      Frame = FrameCount - 1;
      if (Manager->OnAnimationEnd) Manager->OnAnimationEnd(*this);
      return;
    }
    Frame = 0;
  }
  if (Frame < seq->Count) SizeToImage(seq->Frames[static_cast<size_t>(Frame)]);
}

bool TGKSprite::KeyIsDown(uint16_t vk) const {
  if (Manager->ZEZScreen) return screen_link::keyDown(*Manager->ZEZScreen, vk);
  return (platform::GetAsyncKeyState(vk) & 0x8000) != 0;
}

// Coordinates are 16 bits; the differences are taken wide and then wrapped.
static int diff(int32_t a, int32_t b) { return static_cast<int>(static_cast<int64_t>(a) - b); }

void TGKSprite::ClampTo(TLimitsSide side) {
  switch (side) {
    case lsLeft: SetX(Bounds.Left); break;
    case lsRight: SetX(diff(Bounds.Right, Width)); break;
    case lsTop: SetY(Bounds.Top); break;
    case lsBottom: SetY(diff(Bounds.Bottom, Height)); break;
  }
}

void TGKSprite::WrapFrom(TLimitsSide side) {
  switch (side) {
    case lsLeft: SetX(Bounds.Right); break;
    case lsRight: SetX(diff(Bounds.Left, Width)); break;
    case lsTop: SetY(Bounds.Bottom); break;
    case lsBottom: SetY(diff(Bounds.Top, Height)); break;
  }
}

void TGKSprite::EdgeAction(uint8_t action, TLimitsSide side, bool whollyOutside) {
  TGKSpriteMgr& m = *Manager;
  switch (action) {
    case eaReverse:
      ClampTo(side);
      BounceHorizontal();
      BounceVertical();
      if (m.OnSpriteDirChange) m.OnSpriteDirChange(*this, side);
      break;
    case eaStop:
      ClampTo(side);
      Stop();
      if (m.OnSpriteStopped) m.OnSpriteStopped(*this, side);
      break;
    case eaStopOutside:
      if (!whollyOutside) break;
      Stop();
      if (m.OnSpriteStopped) m.OnSpriteStopped(*this, side);
      break;
    case eaWrap:
      if (whollyOutside) WrapFrom(side);
      break;
    case eaEvent:
      if (m.OnSpriteEvent) m.OnSpriteEvent(*this, side);
      break;
    case eaBounce:
      ClampTo(side);
      if (side == lsLeft || side == lsRight) BounceHorizontal();
      else BounceVertical();
      if (m.OnSpriteDirChange) m.OnSpriteDirChange(*this, side);
      break;
    default:
      break;
  }
}

void TGKSprite::CheckEdges() {
  // Each side reads the position as the sides before it left it. Sums are taken
  // in 64 bits so that no Width or bound can overflow them.
  auto x = [this] { return static_cast<int64_t>(GetX()); };
  auto y = [this] { return static_cast<int64_t>(GetY()); };
  if (x() < Bounds.Left) EdgeAction(LeftAction, lsLeft, x() + Width < Bounds.Left);
  if (x() + Width > Bounds.Right && Direction >= 1 && Direction <= 15)
    EdgeAction(RightAction, lsRight, x() > Bounds.Right);
  if (y() < Bounds.Top) EdgeAction(TopAction, lsTop, y() + Height < Bounds.Top);
  if (y() + Height > Bounds.Bottom && Direction >= 9 && Direction <= 23)
    EdgeAction(BottomAction, lsBottom, y() > Bounds.Bottom);
}
