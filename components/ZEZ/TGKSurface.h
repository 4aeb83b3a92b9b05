#pragma once
// One DirectDraw surface with its size, clip rectangle, colour key and canvas.
// All sprite, text and background drawing is a BltFast from a memory surface
// onto the back buffer through these operations.
#include <cstdint>
#include <functional>
#include <memory>

#include "components/ZEZ/TGKCanvas.h"
#include "components/ZEZ/ZEZErrors.h"
#include "platform/draw/dd_surface.h"
#include "platform/draw/direct_draw.h"
#include "platform/draw/geometry.h"

class TGKScreen;
using platform::TPoint;
using platform::TRect;

class TGKSurface {
 public:
  using TRestoreEvent = std::function<void(TGKSurface& sender)>;

  // Each throws EGKSurface with the failure's message.
  // "Could not create memory surface (W, H)". Depth is stored only: the surface
  // has the display's format.
  static std::unique_ptr<TGKSurface> CreateOffscreen(platform::DirectDraw& directDraw, int width,
                                                     int height, int depth);
  // "Create Primary Surface failed", "Get DisplayMode Failed". Windowed: the
  // screen's ScreenWidth x ScreenHeight; full screen: the display mode's size,
  // with a flipping chain of the screen's BackBuffers.
  static std::unique_ptr<TGKSurface> CreatePrimary(TGKScreen& screen, int depth);
  // The back buffer of the front surface's flipping chain (Attached):
  // "Failed to get background surface".
  static std::unique_ptr<TGKSurface> CreateBackBuffer(TGKSurface& front, int depth);
  // The windowed back buffer, ScreenWidth x ScreenHeight: "Failed Creating BackBufferW".
  static std::unique_ptr<TGKSurface> CreateWindowBuffer(TGKScreen& screen, int depth);

  // Made only by the factories above.
  class Passkey {
    friend class TGKSurface;
    Passkey() = default;
  };
  TGKSurface(Passkey, std::shared_ptr<platform::DDSurface> surface, int width, int height, int pitch,
             int depth);
  TGKSurface(const TGKSurface&) = delete;
  TGKSurface& operator=(const TGKSurface&) = delete;
  ~TGKSurface();

  std::shared_ptr<platform::DDSurface> Surface;
  std::unique_ptr<TGKCanvas> Canvas;
  uint8_t ColorKey = 0;
  int Width = 0;
  int Height = 0;
  int Pitch = 0;  // bytes per row
  TRect Rect{};
  TRect ClipRect{};  // clipping of BlitClip and Draw onto this surface
  int ColorDepth = 0;
  bool Attached = false;
  // Called when an operation finds the surface lost; the screen rebuilds then.
  TRestoreEvent OnRestore;
  const TRect* LockedRect = nullptr;

  std::shared_ptr<platform::DDSurface> GetSurface() const { return Surface; }

  // The first pixel byte of the whole surface, rows Pitch bytes apart; nullptr
  // when the lock fails.
  uint8_t* Lock();
  void Unlock();

  // Throws "SetColorKey failed". The key is a pixel value: a palette index at 8 bits.
  void SetColorKey(uint8_t key);
  void Erase(uint32_t color);
  void Fill(const TRect& r, uint32_t color);
  // A part of src at (x, y), clipped to ClipRect.
  void BlitClip(int x, int y, TGKSurface& src, TRect srcRect, bool transparent);
  // The whole of src at (x, y), clipped to ClipRect.
  void Draw(int x, int y, TGKSurface& src, bool transparent);
  // A part of src at (x, y) without clipping.
  void BltFast(int x, int y, TGKSurface& src, const TRect& srcRect, bool transparent);
  // This surface at (x1, y1) against other at (x2, y2): their rectangles
  // overlap, and with precise some pixel of the overlap is a non-key pixel in both.
  bool CollisionTest(int x1, int y1, TGKSurface& other, int x2, int y2, bool precise);

 private:
  // The common result rule of the drawing operations.
  void check(platform::HRESULT hr, const char* message);
};
