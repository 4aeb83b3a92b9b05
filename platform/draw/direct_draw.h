#pragma once
// Our DirectDraw: creates software surfaces and palettes in the display format
// and presents through the window given with the cooperative level. Window mode
// uses the emulated desktop's format; a full-screen display mode sets its own.
#include <memory>

#include "platform/draw/dd_palette.h"
#include "platform/draw/dd_surface.h"
#include "platform/draw/dd_types.h"

namespace platform {

class Presenter;

struct SurfaceDesc {
  bool primary = false;        // DDSCAPS_PRIMARYSURFACE
  int backBufferCount = 0;     // a flipping chain (full screen only)
  bool systemMemory = false;   // DDSCAPS_SYSTEMMEMORY
  int width = 0;               // off-screen surfaces; the windowed primary: the window's buffer
  int height = 0;
};

// Results that the next calls return instead of succeeding; tests inject faults
// here. All DD_OK unless set.
struct DirectDrawFaults {
  HRESULT create = DD_OK;
  HRESULT cooperativeLevel = DD_OK;
  HRESULT displayMode = DD_OK;
  HRESULT createSurface = DD_OK;
  HRESULT createPalette = DD_OK;
  HRESULT restore = DD_OK;
};
DirectDrawFaults& directDrawFaults();

class DirectDraw {
 public:
  DirectDraw();
  ~DirectDraw();

  // window stands for the window handle; null releases it.
  HRESULT SetCooperativeLevel(Presenter* window, uint32_t flags);
  HRESULT SetDisplayMode(int width, int height, int bits);
  HRESULT RestoreDisplayMode();
  HRESULT GetDisplayMode(int& width, int& height, int& bits, int& pitch) const;
  HRESULT CreateSurface(const SurfaceDesc& desc, std::shared_ptr<DDSurface>& out);
  HRESULT CreatePalette(const PALETTEENTRY* entries, std::shared_ptr<DDPalette>& out);
  // Waits for the next refresh of a 60 Hz display, on the tick clock.
  HRESULT WaitForVerticalBlank();

  // The emulated desktop: its size, and its depth (8 or 32) for window mode.
  static void setDesktop(int width, int height);
  static int desktopWidth();
  static int desktopHeight();
  void setDesktopBits(int bits);
  // The bits per pixel of the user's real desktop (32 unless a test sets
  // another), which programs may check before they start a display.
  static void setDesktopColorBits(int bits);
  static int desktopColorBits();

  uint32_t cooperativeFlags() const { return coopFlags_; }
  bool fullScreen() const { return link_->fullScreen; }
  int displayBits() const;
  const std::shared_ptr<DisplayLink>& link() const { return link_; }

 private:
  std::shared_ptr<DisplayLink> link_;
  uint32_t coopFlags_ = 0;
  int desktopBits_ = 32;
  int modeWidth_ = 0, modeHeight_ = 0, modeBits_ = 0;
};

HRESULT DirectDrawCreate(std::unique_ptr<DirectDraw>& out);

}  // namespace platform
