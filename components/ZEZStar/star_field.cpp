#include "components/ZEZStar/star_field.h"

#include "components/ZEZStar/star_pixel.h"
#include "platform/core/random.h"

#include <cstdint>

namespace {

// Coordinates move with wrap-around: a point that is never reborn (rain falling
// at a negative speed) drifts without end.
int32_t add(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int32_t sub(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }

// lo + Random(hi - lo), the difference taken wide.
int32_t randomFrom(int32_t lo, int32_t hi) {
  const int64_t span = static_cast<int64_t>(hi) - lo;
  return add(lo, platform::Random(span > INT32_MAX ? INT32_MAX : static_cast<int>(span)));
}

int32_t randomRgb() {
  const int r = platform::Random(256), g = platform::Random(256), b = platform::Random(256);
  return r | (g << 8) | (b << 16);
}

}  // namespace

int32_t TGKStarField::NewColor() const { return Colored ? randomRgb() : kSilver; }

// Near points (small Z) move fastest.
int32_t TGKStarField::BandSpeed(int32_t z) const {
  const int32_t bonus = z <= 50 ? 4 : z <= 100 ? 3 : z <= 150 ? 2 : z <= 200 ? 1 : 0;
  return add(Velocity, bonus);
}

void TGKStarField::PlaceStar(TGKStar& s) const {
  s.Z = platform::Random(255);
  s.Color = StarMode == ThreeD ? randomRgb() : NewColor();
  switch (StarMode) {
    case Horizontal:
      s.X = platform::Random(width_);
      s.Y = randomFrom(EdgeTop, EdgeBottom);
      break;
    case Vertical:
      s.X = randomFrom(EdgeLeft, EdgeRight);
      s.Y = platform::Random(height_);
      break;
    default:
      s.X = platform::Random(width_) - width_ / 2;
      s.Y = platform::Random(height_) - height_ / 2;
      break;
  }
}

void TGKStarField::Prepare(int width, int height) {
  width_ = width < 0 ? 0 : width;
  height_ = height < 0 ? 0 : height;
  if (EdgeRight > width_) EdgeRight = width_;
  if (EdgeBottom > height_) EdgeBottom = height_;
  if (EdgeLeft < 0) EdgeLeft = 0;
  if (EdgeTop < 0) EdgeTop = 0;
  if (EdgeRight < 0) EdgeRight = 0;
  if (EdgeBottom < 0) EdgeBottom = 0;
  if (CenterX == kAuto) CenterX = width_ / 2;
  if (CenterY == kAuto) CenterY = height_ / 2;
  for (int i = 0; i < numberOfStars_; ++i) PlaceStar(stars_[static_cast<size_t>(i)]);
}

void TGKStarField::MoveFlat(TGKStar& s) const {
  if (StarMode == Horizontal) {
    if (Flashing && !Colored) s.Color = randomRgb();
    const int32_t speed = BandSpeed(s.Z);
    if (Towards) {
      s.X = sub(s.X, speed);
      if (s.X < EdgeLeft) {
        s.X = add(EdgeRight, platform::Random(50));
        s.Y = randomFrom(EdgeTop, EdgeBottom);
        s.Z = platform::Random(255);
        s.Color = NewColor();
      }
    } else {
      s.X = add(s.X, speed);
      if (s.X > EdgeRight) {
        s.X = sub(EdgeLeft, platform::Random(50));
        s.Y = randomFrom(EdgeTop, EdgeBottom);
        s.Z = platform::Random(255);
        s.Color = NewColor();
      }
    }
    return;
  }
  if (Flashing && !Colored) s.Color = platform::Random(255);  // red only
  const int32_t speed = BandSpeed(s.Z);
  if (Towards) {
    s.Y = sub(s.Y, speed);
    if (s.Y < EdgeTop) {
      s.X = randomFrom(EdgeLeft, EdgeRight);
      s.Y = add(EdgeBottom, platform::Random(20));
      s.Z = platform::Random(255);
      s.Color = NewColor();
    }
  } else {
    s.Y = add(s.Y, speed);
    if (s.Y > EdgeBottom) {
      s.X = randomFrom(EdgeLeft, EdgeRight);
      s.Y = sub(EdgeTop, platform::Random(20));
      s.Z = platform::Random(255);
      s.Color = NewColor();
    }
  }
}

void TGKStarField::Reborn3D(TGKStar& s) const {
  s.X = platform::Random(width_) - width_ / 2;
  s.Y = platform::Random(height_) - height_ / 2;
  s.Color = randomRgb();
  s.Z = Towards ? 255 : platform::Random(255);
}

bool TGKStarField::MoveThreeD(TGKStar& s) const {
  if (s.Z >= 1 && s.Z <= 255) {
    const int64_t sx = static_cast<int64_t>(s.X) * 128 / s.Z + CenterX;
    const int64_t sy = static_cast<int64_t>(s.Y) * 128 / s.Z + CenterY;
    if (sx > EdgeLeft && sx < EdgeRight && sy > EdgeTop && sy < EdgeBottom) {
      if (!Colored) s.Color = Flashing ? randomRgb() : kSilver;
      s.LastX = static_cast<int32_t>(sx);
      s.LastY = static_cast<int32_t>(sy);
      s.Z = Towards ? sub(s.Z, Velocity) : add(s.Z, Velocity);
      return true;
    }
  }
  Reborn3D(s);
  return false;
}

void TGKStarField::MoveAndDrawInto(uint8_t* bits, int pitch, int bitsPerPixel, int width, int height) {
  // The edges normally lie inside the surface (Initialize limits them); the
  // surface's own size guards against edges changed since.
  const int left = EdgeLeft < 0 ? 0 : EdgeLeft;
  const int top = EdgeTop < 0 ? 0 : EdgeTop;
  const int right = EdgeRight > width ? width : EdgeRight;
  const int bottom = EdgeBottom > height ? height : EdgeBottom;
  auto inside = [&](int64_t x, int64_t y) { return x >= left && x < right && y >= top && y < bottom; };

  for (int i = 0; i < numberOfStars_; ++i) {
    TGKStar& s = stars_[static_cast<size_t>(i)];
    int64_t x, y;
    if (StarMode == ThreeD) {
      if (!MoveThreeD(s)) continue;
      x = s.LastX;
      y = s.LastY;
    } else {
      MoveFlat(s);
      if (!(s.X > EdgeLeft && s.X < EdgeRight && s.Y > EdgeTop && s.Y < EdgeBottom)) continue;
      x = s.X;
      y = s.Y;
    }
    if (inside(x, y))
      PlotStarPixel(bits, pitch, bitsPerPixel, static_cast<int>(x), static_cast<int>(y),
                    static_cast<uint32_t>(s.Color));
  }
}
