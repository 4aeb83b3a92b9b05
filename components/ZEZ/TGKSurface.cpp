#include "components/ZEZ/TGKSurface.h"

#include <algorithm>
#include <string>

#include "components/ZEZ/TGKScreen.h"

using platform::DDSurface;
using platform::HRESULT;
using platform::SurfaceDesc;

TGKSurface::TGKSurface(Passkey, std::shared_ptr<DDSurface> surface, int width, int height, int pitch, int depth)
    : Surface(std::move(surface)), Width(width), Height(height), Pitch(pitch), ColorDepth(depth) {
  Canvas = std::make_unique<TGKCanvas>(Surface);
  Rect = {0, 0, Width, Height};
  ClipRect = Rect;
}

TGKSurface::~TGKSurface() {
  Unlock();
  Canvas.reset();
}

std::unique_ptr<TGKSurface> TGKSurface::CreateOffscreen(platform::DirectDraw& directDraw, int width,
                                                        int height, int depth) {
  SurfaceDesc desc;
  desc.width = width;
  desc.height = height;
  desc.systemMemory = width > platform::DirectDraw::desktopWidth();
  std::shared_ptr<DDSurface> s;
  if (platform::FAILED(directDraw.CreateSurface(desc, s)))
    throw EGKSurface("Could not create memory surface (" + std::to_string(width) + ", " +
                     std::to_string(height) + ")");
  return std::make_unique<TGKSurface>(Passkey(), s, width, height, s->pitch(), depth);
}

std::unique_ptr<TGKSurface> TGKSurface::CreatePrimary(TGKScreen& screen, int depth) {
  if (!screen.DirectDraw) throw EGKSurface("Create Primary Surface failed");
  platform::DirectDraw& dd = *screen.DirectDraw;
  SurfaceDesc desc;
  desc.primary = true;
  if (screen.WindowMode) {
    desc.width = screen.ScreenWidth;
    desc.height = screen.ScreenHeight;
  } else {
    desc.backBufferCount = std::max(screen.BackBuffers, 1);
  }
  std::shared_ptr<DDSurface> s;
  if (platform::FAILED(dd.CreateSurface(desc, s))) throw EGKSurface("Create Primary Surface failed");
  int w = 0, h = 0, bits = 0, pitch = 0;
  if (platform::FAILED(dd.GetDisplayMode(w, h, bits, pitch))) throw EGKSurface("Get DisplayMode Failed");
  if (screen.WindowMode) return std::make_unique<TGKSurface>(Passkey(), s, s->width(), s->height(), s->pitch(), depth);
  return std::make_unique<TGKSurface>(Passkey(), s, w, h, s->pitch(), depth);
}

std::unique_ptr<TGKSurface> TGKSurface::CreateBackBuffer(TGKSurface& front, int depth) {
  std::shared_ptr<DDSurface> s;
  if (!front.Surface || platform::FAILED(front.Surface->GetAttachedSurface(s)))
    throw EGKSurface("Failed to get background surface");
  auto back = std::make_unique<TGKSurface>(Passkey(), s, front.Width, front.Height, s->pitch(), depth);
  back->Attached = true;
  return back;
}

std::unique_ptr<TGKSurface> TGKSurface::CreateWindowBuffer(TGKScreen& screen, int depth) {
  SurfaceDesc desc;
  desc.width = screen.ScreenWidth;
  desc.height = screen.ScreenHeight;
  std::shared_ptr<DDSurface> s;
  if (!screen.DirectDraw || platform::FAILED(screen.DirectDraw->CreateSurface(desc, s)))
    throw EGKSurface("Failed Creating BackBufferW");
  return std::make_unique<TGKSurface>(Passkey(), s, desc.width, desc.height, s->pitch(), depth);
}

uint8_t* TGKSurface::Lock() {
  uint8_t* bits = nullptr;
  int pitch = 0;
  if (platform::FAILED(Surface->Lock(&Rect, &bits, &pitch))) {
    LockedRect = nullptr;
    return nullptr;
  }
  LockedRect = &Rect;
  return bits;
}

void TGKSurface::Unlock() {
  if (!LockedRect) return;
  Surface->Unlock();
  LockedRect = nullptr;
}

void TGKSurface::check(HRESULT hr, const char* message) {
  if (platform::SUCCEEDED(hr)) return;
  if (hr == platform::DDERR_SURFACELOST && OnRestore) {
    OnRestore(*this);  // the frame's drawing is lost; the screen rebuilds
    return;
  }
  throw EGKSurface(message);
}

void TGKSurface::SetColorKey(uint8_t key) {
  ColorKey = key;
  if (platform::FAILED(Surface->SetColorKey(key, key))) throw EGKSurface("SetColorKey failed");
}

void TGKSurface::Erase(uint32_t color) { check(Surface->ColorFill(&Rect, color), "Erase (Blt) Failed"); }

void TGKSurface::Fill(const TRect& r, uint32_t color) {
  check(Surface->ColorFill(&r, color), "Erase (Blt) Failed");
}

namespace {
uint32_t blitFlags(bool transparent) {
  return transparent ? platform::DDBLTFAST_SRCCOLORKEY | platform::DDBLTFAST_WAIT : platform::DDBLTFAST_WAIT;
}
}  // namespace

void TGKSurface::BlitClip(int x, int y, TGKSurface& src, TRect srcRect, bool transparent) {
  const TRect& clip = ClipRect;
  const int w = srcRect.width(), h = srcRect.height();
  if (x > clip.Right || y > clip.Bottom || x + w < clip.Left || y + h < clip.Top) return;
  if (x + w > clip.Right) srcRect.Right -= x + w - clip.Right;
  if (x < clip.Left) {
    srcRect.Left += clip.Left - x;
    x = clip.Left;
  }
  if (y + h > clip.Bottom) srcRect.Bottom -= y + h - clip.Bottom;
  if (y < clip.Top) {
    srcRect.Top += clip.Top - y;
    y = clip.Top;
  }
  // A source that only touches the clip edge has nothing left to draw.
  if (srcRect.isEmpty()) return;
  check(Surface->BltFast(x, y, *src.Surface, srcRect, blitFlags(transparent)), "BlitClip (BltFast) Failed");
}

void TGKSurface::Draw(int x, int y, TGKSurface& src, bool transparent) {
  const TRect& clip = ClipRect;
  TRect overlap;
  if (!platform::IntersectRect(overlap, platform::Bounds(x, y, src.Width, src.Height), clip)) return;
  TRect s = src.Rect;
  if (x < clip.Left) s.Left = clip.Left - x;
  if (s.Right + x > clip.Right) s.Right = clip.Right - x;
  x = std::max(x, clip.Left);
  if (y < clip.Top) s.Top = clip.Top - y;
  if (s.Bottom + y > clip.Bottom) s.Bottom = clip.Bottom - y;
  y = std::max(y, clip.Top);
  check(Surface->BltFast(x, y, *src.Surface, s, blitFlags(transparent)), "Draw (BltFast) Failed");
}

void TGKSurface::BltFast(int x, int y, TGKSurface& src, const TRect& srcRect, bool transparent) {
  check(Surface->BltFast(x, y, *src.Surface, srcRect, blitFlags(transparent)), "BltFast Failed");
}

namespace {

// Whether some pixel of a w x h overlap is a non-key pixel in both surfaces.
template <typename Pixel>
bool overlapHits(const uint8_t* a, int pitchA, uint32_t keyA, const uint8_t* b, int pitchB, uint32_t keyB,
                 int w, int h) {
  for (int y = 0; y < h; ++y) {
    const Pixel* pa = reinterpret_cast<const Pixel*>(a + ptrdiff_t(y) * pitchA);
    const Pixel* pb = reinterpret_cast<const Pixel*>(b + ptrdiff_t(y) * pitchB);
    for (int x = 0; x < w; ++x)
      if (pa[x] != keyA && pb[x] != keyB) return true;
  }
  return false;
}

}  // namespace

bool TGKSurface::CollisionTest(int x1, int y1, TGKSurface& other, int x2, int y2, bool precise) {
  const TRect r1 = platform::Bounds(x1, y1, Width, Height);
  const TRect r2 = platform::Bounds(x2, y2, other.Width, other.Height);
  TRect i;
  if (!platform::IntersectRect(i, r1, r2)) return false;
  if (!precise) return true;
  const TRect a{i.Left - r1.Left, i.Top - r1.Top, i.Right - r1.Left, i.Bottom - r1.Top};
  const TRect b{i.Left - r2.Left, i.Top - r2.Top, i.Right - r2.Left, i.Bottom - r2.Top};
  if (Surface->bitsPerPixel() != other.Surface->bitsPerPixel()) return false;
  const int bytes = Surface->bitsPerPixel() == 8 ? 1 : 4;
  uint8_t* pa = nullptr;
  uint8_t* pb = nullptr;
  int pitchA = 0, pitchB = 0;
  const bool same = Surface == other.Surface;
  // One surface against itself (two sprites showing the same image) is read
  // under a single lock.
  if (platform::FAILED(Surface->Lock(same ? nullptr : &a, &pa, &pitchA))) return false;
  if (same) {
    pitchB = pitchA;
    pb = pa + ptrdiff_t(b.Top) * pitchA + ptrdiff_t(b.Left) * bytes;
    pa += ptrdiff_t(a.Top) * pitchA + ptrdiff_t(a.Left) * bytes;
  } else if (platform::FAILED(other.Surface->Lock(&b, &pb, &pitchB))) {
    Surface->Unlock();
    return false;
  }
  const bool hit = bytes == 1
                       ? overlapHits<uint8_t>(pa, pitchA, ColorKey, pb, pitchB, other.ColorKey, i.width(), i.height())
                       : overlapHits<uint32_t>(pa, pitchA, ColorKey, pb, pitchB, other.ColorKey, i.width(), i.height());
  Surface->Unlock();
  if (!same) other.Surface->Unlock();
  return hit;
}
