#pragma once
// A started screen in window mode on a headless window, 320 x 240 back buffer,
// with image surfaces made in place: image i is a solid w x h block of colour
// colours[i] (a pixel value of the display format), key 0 around nothing.
#include <memory>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "platform/app/application.h"
#include "platform/app/form.h"

struct ScreenWorld {
  // In a window the back buffer has the desktop's 32 bits; 8 bits need full screen.
  explicit ScreenWorld(TDisplayMode mode = dm640x480x32) : screen(form, platform::application()) {
    platform::application().Reset();
    screen.WindowMode = DisplayModeSize(mode).Bits != 8;
    screen.DisplayMode = mode;
    screen.WinBufWidth = 320;
    screen.WinBufHeight = 240;
    form.activate();
  }
  ~ScreenWorld() { platform::application().Reset(); }

  // Adds an image surface of one colour; returns its index.
  int addImage(int w, int h, uint32_t color) {
    auto s = TGKSurface::CreateOffscreen(*screen.DirectDraw, w, h, 8);
    s->Erase(color);
    s->SetColorKey(0);
    screen.ImageSurfaces.push_back(std::move(s));
    screen.ImageCount = static_cast<int>(screen.ImageSurfaces.size());
    return screen.ImageCount - 1;
  }

  // The back buffer's pixel value at (x, y).
  uint32_t pixel(int x, int y) {
    TGKSurface& back = *screen.BackSurface;
    uint8_t* bits = back.Lock();
    uint32_t v = 0;
    if (bits) {
      const uint8_t* p = bits + y * back.Pitch;
      if (back.Surface->bitsPerPixel() == 8) v = p[x];
      else v = p[x * 4] | (p[x * 4 + 1] << 8) | (p[x * 4 + 2] << 16);
      back.Unlock();
    }
    return v;
  }

  platform::HeadlessForm form{320, 240};
  TGKScreen screen;
};
