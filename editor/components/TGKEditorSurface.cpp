#include "editor/components/TGKEditorSurface.h"

#include <algorithm>

#include "editor/components/TGKEditorScreen.h"

using platform::DDSurface;
using platform::SurfaceDesc;

TGKEditorSurface::TGKEditorSurface(Passkey, std::shared_ptr<DDSurface> surface, int width, int height, int pitch,
                                   int depth)
    : Surface(std::move(surface)), Width(width), Height(height), Pitch(pitch), ColorDepth(depth) {
  Canvas = std::make_unique<TGKCanvas>(Surface, TGKCanvas::TUntested{});
  Rect = {0, 0, Width, Height};
  ClipRect = Rect;
}

TGKEditorSurface::~TGKEditorSurface() {
  Unlock();
  Canvas.reset();
}

namespace {
int pitchOf(const std::shared_ptr<DDSurface>& s) { return s ? s->pitch() : 0; }
}  // namespace

std::unique_ptr<TGKEditorSurface> TGKEditorSurface::CreateOffscreen(platform::DirectDraw& directDraw, int width,
                                                                    int height, int depth) {
  SurfaceDesc desc;
  desc.width = width;
  desc.height = height;
  desc.systemMemory = width > platform::DirectDraw::desktopWidth();
  std::shared_ptr<DDSurface> s;
  directDraw.CreateSurface(desc, s);
  return std::make_unique<TGKEditorSurface>(Passkey(), s, width, height, pitchOf(s), depth);
}

std::unique_ptr<TGKEditorSurface> TGKEditorSurface::CreatePrimary(TGKEditorScreen& screen, int depth) {
  std::shared_ptr<DDSurface> s;
  int width = screen.ScreenWidth, height = screen.ScreenHeight;
  if (screen.DirectDraw) {
    SurfaceDesc desc;
    desc.primary = true;
    if (screen.WindowMode) {
      desc.width = width;
      desc.height = height;
    } else {
      desc.backBufferCount = std::max(screen.BackBuffers, 1);
    }
    screen.DirectDraw->CreateSurface(desc, s);
    int bits = 0, pitch = 0;
    if (!screen.WindowMode) screen.DirectDraw->GetDisplayMode(width, height, bits, pitch);
  }
  return std::make_unique<TGKEditorSurface>(Passkey(), s, width, height, pitchOf(s), depth);
}

std::unique_ptr<TGKEditorSurface> TGKEditorSurface::CreateBackBuffer(TGKEditorSurface& front, int depth) {
  std::shared_ptr<DDSurface> s;
  if (front.Surface) front.Surface->GetAttachedSurface(s);
  auto back = std::make_unique<TGKEditorSurface>(Passkey(), s, front.Width, front.Height, pitchOf(s), depth);
  back->Attached = true;
  return back;
}

std::unique_ptr<TGKEditorSurface> TGKEditorSurface::CreateWindowBuffer(TGKEditorScreen& screen, int depth) {
  SurfaceDesc desc;
  desc.width = screen.ScreenWidth;
  desc.height = screen.ScreenHeight;
  std::shared_ptr<DDSurface> s;
  if (screen.DirectDraw) screen.DirectDraw->CreateSurface(desc, s);
  return std::make_unique<TGKEditorSurface>(Passkey(), s, desc.width, desc.height, pitchOf(s), depth);
}

uint8_t* TGKEditorSurface::Lock() {
  uint8_t* bits = nullptr;
  int pitch = 0;
  if (!Surface || platform::FAILED(Surface->Lock(&Rect, &bits, &pitch))) {
    LockedRect = nullptr;
    return nullptr;
  }
  LockedRect = &Rect;
  return bits;
}

void TGKEditorSurface::Unlock() {
  if (!LockedRect) return;
  Surface->Unlock();
  LockedRect = nullptr;
}

void TGKEditorSurface::SetColorKey(uint8_t key) {
  ColorKey = key;
  if (Surface) Surface->SetColorKey(key, key);
}

void TGKEditorSurface::Erase(uint32_t color) {
  if (!Surface) return;
  // Only a lost surface is acted on: the screen rebuilds; other failures pass.
  if (Surface->ColorFill(&Rect, color) == platform::DDERR_SURFACELOST && OnRestore) OnRestore(*this);
}
