#pragma once
// A software DirectDraw surface in the display format: 8-bit indexed or 32-bit
// 0x00RRGGBB. Surfaces are never lost by themselves; simulateLoss() makes one
// report DDERR_SURFACELOST until Restore(), so that restore paths can be tested.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/draw/dd_palette.h"
#include "platform/draw/dd_types.h"
#include "platform/draw/geometry.h"
#include "platform/draw/pixel_view.h"

namespace platform {

class Presenter;

// What a DirectDraw object shares with its surfaces: the window it presents to,
// the palette of the primary surface (which 8-bit surfaces use) and the
// full-screen mode when one is set.
struct DisplayLink {
  Presenter* window = nullptr;
  std::shared_ptr<DDPalette> primaryPalette;
  bool fullScreen = false;
};

enum class SurfaceKind { Offscreen, Primary, BackBuffer };

class DDSurface {
 public:
  DDSurface(int width, int height, int bitsPerPixel, std::shared_ptr<DisplayLink> link,
            SurfaceKind kind = SurfaceKind::Offscreen, bool systemMemory = false);
  DDSurface(const DDSurface&) = delete;
  DDSurface& operator=(const DDSurface&) = delete;
  ~DDSurface();

  int width() const { return width_; }
  int height() const { return height_; }
  int pitch() const { return pitch_; }
  int bitsPerPixel() const { return bpp_; }
  SurfaceKind kind() const { return kind_; }
  bool inSystemMemory() const { return systemMemory_; }
  TRect rect() const { return {0, 0, width_, height_}; }

  // Locks rect (the whole surface when null): *bits points at its first pixel.
  HRESULT Lock(const TRect* rect, uint8_t** bits, int* pitch);
  HRESULT Unlock();
  bool isLocked() const { return locked_; }

  // Copies srcRect of src to (x, y) without clipping; both rectangles must lie
  // inside their surfaces. DDBLTFAST_SRCCOLORKEY leaves out src's key pixels.
  HRESULT BltFast(int x, int y, DDSurface& src, const TRect& srcRect, uint32_t flags);
  // Copies srcRect of src onto destRect, scaled when the sizes differ. On the
  // windowed primary destRect is in screen coordinates and the frame is presented.
  HRESULT Blt(const TRect* destRect, DDSurface& src, const TRect* srcRect);
  // Fills rect (the whole surface when null) with a pixel value.
  HRESULT ColorFill(const TRect* rect, uint32_t color);
  // The source colour key (a pixel value) for DDBLTFAST_SRCCOLORKEY.
  HRESULT SetColorKey(uint32_t low, uint32_t high);
  bool hasColorKey() const { return hasKey_; }
  uint32_t colorKey() const { return key_; }

  // A GDI context on the surface; it holds the surface busy until ReleaseDC.
  HRESULT GetDC(PixelView& view);
  HRESULT ReleaseDC();
  bool hasDC() const { return dc_; }

  HRESULT SetPalette(std::shared_ptr<DDPalette> palette);
  std::shared_ptr<DDPalette> GetPalette() const;
  // The palette 8-bit pixels of this surface are shown with: its own, else the
  // primary surface's.
  const PALETTEENTRY* effectivePalette() const;

  // Primary of a flipping chain: the attached back buffer.
  HRESULT GetAttachedSurface(std::shared_ptr<DDSurface>& out);
  void attach(std::shared_ptr<DDSurface> back) { attached_ = std::move(back); }
  // Primary of a flipping chain: shows the back buffer and keeps a copy of it.
  HRESULT Flip();

  HRESULT IsLost() const { return lost_ ? DDERR_SURFACELOST : DD_OK; }
  HRESULT Restore();
  void simulateLoss() { lost_ = true; }

  // Raw pixels, for tests and presenters; rows are pitch() bytes apart.
  uint8_t* data() { return pixels_.data(); }
  const uint8_t* data() const { return pixels_.data(); }
  const std::shared_ptr<DisplayLink>& link() const { return link_; }

 private:
  HRESULT busyOrLost() const;
  void presentTo(const TRect& source, const TRect& dest);

  int width_, height_, bpp_, pitch_;
  std::vector<uint8_t> pixels_;
  std::shared_ptr<DisplayLink> link_;
  SurfaceKind kind_;
  bool systemMemory_;
  bool locked_ = false;
  bool dc_ = false;
  bool lost_ = false;
  bool hasKey_ = false;
  uint32_t key_ = 0;
  std::shared_ptr<DDPalette> palette_;
  std::shared_ptr<DDSurface> attached_;
  // The primary's last presentation, shown again when its palette changes.
  bool presented_ = false;
  TRect lastSource_{}, lastDest_{};
};

}  // namespace platform
