#pragma once
// The editor's older surface: one DirectDraw surface with its size, clip
// rectangle, colour key and canvas, made by the same four constructors as the
// game's surface but with only Lock, Unlock, SetColorKey and Erase. Nothing here
// reports a failure: a surface that could not be made holds no DirectDraw
// surface (Surface is null), locks to nullptr and ignores the other calls.
#include <cstdint>
#include <functional>
#include <memory>

#include "components/ZEZ/TGKCanvas.h"
#include "platform/draw/dd_surface.h"
#include "platform/draw/direct_draw.h"
#include "platform/draw/geometry.h"

class TGKEditorScreen;

class TGKEditorSurface {
 public:
  using TRestoreEvent = std::function<void(TGKEditorSurface& sender)>;

  // A memory surface of width x height; system memory when wider than the desktop.
  static std::unique_ptr<TGKEditorSurface> CreateOffscreen(platform::DirectDraw& directDraw, int width,
                                                           int height, int depth);
  // Windowed: the screen's ScreenWidth x ScreenHeight; full screen: the display
  // mode's size, with a flipping chain of the screen's BackBuffers.
  static std::unique_ptr<TGKEditorSurface> CreatePrimary(TGKEditorScreen& screen, int depth);
  // The back buffer of the front surface's flipping chain (Attached).
  static std::unique_ptr<TGKEditorSurface> CreateBackBuffer(TGKEditorSurface& front, int depth);
  // The windowed back buffer, ScreenWidth x ScreenHeight.
  static std::unique_ptr<TGKEditorSurface> CreateWindowBuffer(TGKEditorScreen& screen, int depth);

  // Made only by the factories above.
  class Passkey {
    friend class TGKEditorSurface;
    Passkey() = default;
  };
  TGKEditorSurface(Passkey, std::shared_ptr<platform::DDSurface> surface, int width, int height, int pitch,
                   int depth);
  TGKEditorSurface(const TGKEditorSurface&) = delete;
  TGKEditorSurface& operator=(const TGKEditorSurface&) = delete;
  ~TGKEditorSurface();

  std::shared_ptr<platform::DDSurface> Surface;  // null when it could not be made
  std::unique_ptr<TGKCanvas> Canvas;
  uint8_t ColorKey = 0;
  int Width = 0;
  int Height = 0;
  int Pitch = 0;  // bytes per row; 0 without a surface
  platform::TRect Rect{};
  platform::TRect ClipRect{};
  int ColorDepth = 0;
  bool Attached = false;
  // Called when Erase finds the surface lost; the screen rebuilds then.
  TRestoreEvent OnRestore;
  const platform::TRect* LockedRect = nullptr;

  std::shared_ptr<platform::DDSurface> GetSurface() const { return Surface; }

  // The first pixel byte of the whole surface, rows Pitch bytes apart; nullptr
  // when the lock fails.
  uint8_t* Lock();
  void Unlock();
  void SetColorKey(uint8_t key);
  void Erase(uint32_t color);
};
