#include "editor/components/TGKEditorScreen.h"

#include <algorithm>
#include <iterator>

#include "components/GKILib/TGKImageLib.h"
#include "components/Trace/Trace.h"
#include "components/ZEZ/screen_tables.h"
#include "platform/draw/gdi_bitmap.h"

using platform::HRESULT;

TModeSize EditorDisplayModeSize(int mode) {
  static constexpr TModeSize kModes[] = {
      {640, 480, 8}, {320, 200, 8}, {800, 600, 8}, {1024, 768, 8}, {640, 400, 8}, {320, 240, 8},
  };
  if (mode < 0 || mode >= int(std::size(kModes))) return {640, 480, 8};
  return kModes[mode];
}

namespace {

// The generic failure code of the first DirectDraw interface; our layer's own
// generic code means the same.
constexpr HRESULT DDERR_GENERIC_V1 = HRESULT(0x80000008u);

const char* restoreFailureText(HRESULT hr) {
  return RestoreFailureText(hr == DDERR_GENERIC_V1 ? platform::DDERR_GENERIC : hr);
}

}  // namespace

TGKEditorScreen::TGKEditorScreen(platform::Form& owner, platform::Application& app, bool designing)
    : owner_(owner), app_(app), designing_(designing) {
  if (designing_) return;
  savedActivate_ = owner_.OnActivate;
  owner_.OnActivate = [this](platform::Form& sender) { FormActivate(sender); };
}

TGKEditorScreen::~TGKEditorScreen() {
  destroying_ = true;
  CleanUpDirectDraw();
  if (flippingEnabled_) StopFlipping();
  if (!designing_) owner_.OnActivate = savedActivate_;
}

bool TGKEditorScreen::desktopHas256Colors() const {
  const int bits = std::clamp(platform::DirectDraw::desktopColorBits(), 0, 62);
  const uint64_t planes = 1;
  return (uint64_t(1) << bits) * planes == 256;
}

void TGKEditorScreen::FormActivate(platform::Form& sender) {
  // Asked only before the start: a running display is not switched over.
  if (!DirectDraw && WindowMode && ColorDepth == 8 && !desktopHas256Colors()) {
    if (!app_.Confirm(kDesktopNot256Colors)) {
      app_.Terminate();
      return;  // the program ends; no display is started for it
    }
    WindowMode = false;
  }
  if (savedActivate_) savedActivate_(sender);
  InitDirectDraw();
  for (TGKScreenAudio* audio : AudioComponents)
    if (audio) audio->StartDirectSound();
}

TModeSize TGKEditorScreen::GetModeSize() {
  const TModeSize m = EditorDisplayModeSize(DisplayMode);
  ColorDepth = m.Bits;
  return m;
}

void TGKEditorScreen::SetFlippingEnabled(bool value) {
  if (value == flippingEnabled_) return;
  flippingEnabled_ = value;
  if (designing_) return;
  if (value) StartFlipping();
  else StopFlipping();
}

void TGKEditorScreen::StartFlipping() {
  app_.SetIdleHandler([this](bool& done) { AppIdle(done); });
}

void TGKEditorScreen::StopFlipping() { app_.SetIdleHandler(nullptr); }

void TGKEditorScreen::InitDirectDraw() {
  if (DirectDraw) return;
  if (platform::FAILED(platform::DirectDrawCreate(DirectDraw)) || !DirectDraw) {
    DirectDraw.reset();
    return;
  }
  const TModeSize mode = GetModeSize();
  FormWidth = owner_.Width();
  FormHeight = owner_.Height();
  if (WinBufWidth > 0 && WinBufHeight > 0) {
    ScreenWidth = WinBufWidth;
    ScreenHeight = WinBufHeight;
  } else {
    ScreenWidth = mode.Width;
    ScreenHeight = mode.Height;
  }

  uint32_t flags = platform::DDSCL_FULLSCREEN | platform::DDSCL_ALLOWREBOOT | platform::DDSCL_EXCLUSIVE |
                   platform::DDSCL_ALLOWMODEX;
  if (WindowMode)
    flags = PaletteMode == pmNormal
                ? platform::DDSCL_NORMAL
                : platform::DDSCL_FULLSCREEN | platform::DDSCL_EXCLUSIVE | platform::DDSCL_NOWINDOWCHANGES;
  // Without the cooperative level or the display mode the start cannot go on.
  if (platform::FAILED(DirectDraw->SetCooperativeLevel(&owner_.presenter(), flags))) {
    CleanUpDirectDraw();
    return;
  }
  // Our desktop takes the screen's 8 bits, so that the surfaces hold palette indexes in a window too.
  if (WindowMode) DirectDraw->setDesktopBits(ColorDepth);

  savedException_ = app_.OnException;
  handlersInstalled_ = true;
  app_.OnException = [this](const std::exception& e) { AppException(e); };
  app_.OnMessage = [this](platform::TMsg& msg, bool& handled) { AppMessage(msg, handled); };

  if (!WindowMode && platform::FAILED(DirectDraw->SetDisplayMode(mode.Width, mode.Height, ColorDepth))) {
    CleanUpDirectDraw();
    return;
  }

  // A start that throws part-way (out of memory) gives back what it built.
  try {
    FrontSurface = TGKEditorSurface::CreatePrimary(*this, ColorDepth);
    BackSurface = WindowMode ? TGKEditorSurface::CreateWindowBuffer(*this, ColorDepth)
                             : TGKEditorSurface::CreateBackBuffer(*FrontSurface, ColorDepth);
    FrontSurface->OnRestore = [this](TGKEditorSurface& s) { SurfaceLost(s); };
    BackSurface->OnRestore = [this](TGKEditorSurface& s) { SurfaceLost(s); };

    // Our presenter scales the frame itself, so the front clipper has nothing to do.
    if (WindowMode) {
      if (WindowStretch) owner_.SetClientSize(FormWidth, FormHeight);
      else owner_.SetClientSize(ScreenWidth, ScreenHeight);
    }
    BuildPalette();

    BackSurface->Erase(0);
    Flip();
    BackSurface->Erase(0);

    if (ImageLibrary) SetImageLibrary(ImageLibrary, true);
    if (TileLibrary) SetTileLibrary(TileLibrary, true);
  } catch (...) {
    releaseDisplay();
    throw;
  }
  if (OnInitialize) OnInitialize(*this);
}

void TGKEditorScreen::CleanUpDirectDraw() {
  if (!DirectDraw) return;
  SetFlippingEnabled(false);
  if (OnCleanUp) OnCleanUp(*this);
  releaseDisplay();
}

void TGKEditorScreen::releaseDisplay() {
  FreeImageSurfaces();
  FreeTileSurfaces();
  BackSurface.reset();
  FrontSurface.reset();
  Palette.reset();
  if (DirectDraw) {
    DirectDraw->RestoreDisplayMode();
    DirectDraw->SetCooperativeLevel(nullptr, platform::DDSCL_NORMAL);
    DirectDraw.reset();
  }
  if (handlersInstalled_) {
    app_.OnException = std::move(savedException_);
    savedException_ = nullptr;
    app_.OnMessage = nullptr;
    handlersInstalled_ = false;
  }
}

void TGKEditorScreen::AppIdle(bool& done) {
  done = false;
  if (!DirectDraw) return;
  if (OnFlip) OnFlip(*this);
  Flip();
}

void TGKEditorScreen::Flip() {
  if (!FrontSurface || !BackSurface || !FrontSurface->Surface || !BackSurface->Surface) return;
  HRESULT hr;
  if (WindowMode) {
    const platform::TRect client = WindowStretch ? platform::TRect{0, 0, owner_.ClientWidth(), owner_.ClientHeight()}
                                                 : platform::TRect{0, 0, ScreenWidth, ScreenHeight};
    const platform::TPoint topLeft = owner_.ClientToScreen({client.Left, client.Top});
    const platform::TPoint bottomRight = owner_.ClientToScreen({client.Right, client.Bottom});
    const platform::TRect dest{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
    if (WindowVBL) WaitForVerticalBlank();
    const platform::TRect whole = BackSurface->Rect;
    hr = FrontSurface->Surface->Blt(&dest, *BackSurface->Surface, &whole);
  } else {
    hr = FrontSurface->Surface->Flip();
  }
  if (hr == platform::DDERR_SURFACELOST) RestoreSurfaces();
}

void TGKEditorScreen::AppMessage(platform::TMsg& msg, bool& handled) {
  switch (msg.message) {
    case platform::WM_ACTIVATEAPP:
      if ((msg.wParam & 0xFF) == 0) StopFlipping();
      else app_.PostMessage({WM_RESTORESURFACES, 0, 0});
      break;
    case WM_RESTORESURFACES:
      RestoreSurfaces();
      if (flippingEnabled_) StartFlipping();
      if (OnPaint) OnPaint(*this);
      break;
    case platform::WM_SYSCOMMAND:
      handled = msg.wParam == platform::SC_SCREENSAVE;
      break;
    default:
      break;
  }
}

void TGKEditorScreen::AppException(const std::exception& e) {
  if (savedException_) savedException_(e);
  if (BeepOnException) app_.MessageBeep();
  if (Debug) Trace(e.what());
}

void TGKEditorScreen::WaitForVerticalBlank() {
  if (DirectDraw) DirectDraw->WaitForVerticalBlank();
}

void TGKEditorScreen::SetPalette(const PaletteTable& entries) {
  if (ColorDepth != 8) return;
  PaletteEntries = entries;
  if (!DirectDraw) return;  // taken into the palette when the display starts
  if (Palette) {
    Palette->SetEntries(0, 256, PaletteEntries.data());
    return;
  }
  if (platform::FAILED(DirectDraw->CreatePalette(PaletteEntries.data(), Palette))) return;
  if (FrontSurface && FrontSurface->Surface) FrontSurface->Surface->SetPalette(Palette);
}

void TGKEditorScreen::showFadeStep(PaletteTable& table, int n, int steps, bool fadingIn) {
  FadeStep(table, PaletteEntries, n, steps, fadingIn);
  WaitForVerticalBlank();
  Palette->SetEntries(0, 256, table.data());
}

void TGKEditorScreen::FadeOut(int steps) {
  if (ColorDepth != 8 || !Palette || steps < 0) return;
  PaletteTable table;
  Palette->GetEntries(0, 256, table.data());  // the flags stay as read
  for (int n = steps; n >= 0; --n) showFadeStep(table, n, steps, false);
}

void TGKEditorScreen::FadeIn(int steps) {
  if (ColorDepth != 8 || !Palette || steps < 0) return;
  PaletteTable table{};
  for (int n = 0; n <= steps; ++n) showFadeStep(table, n, steps, true);
}

void TGKEditorScreen::BuildPalette() {
  if (ColorDepth != 8) return;
  SetPalette(StartPalette());
}

void TGKEditorScreen::buildSurfaces(TGKImageLib& lib, bool tiles) {
  auto& surfaces = tiles ? TileSurfaces : ImageSurfaces;
  const TGKImages& images = lib.Images();
  const int count = images.GetCount();
  surfaces.reserve(size_t(count));
  for (int i = 0; i < count; ++i) {
    const TGKImageEntry& image = images.GetImageHeader(i);
    auto s = TGKEditorSurface::CreateOffscreen(*DirectDraw, image.Width, image.Height, tiles ? ColorDepth : 8);
    s->OnRestore = [this](TGKEditorSurface& lost) { SurfaceLost(lost); };
    if (PaletteMode == pmExclusive) {
      // The library's rows are already in the 8-bit surface format.
      uint8_t* bits = s->Surface && s->Surface->bitsPerPixel() == 8 ? s->Lock() : nullptr;
      if (bits) {
        CopyImageRows(image, bits, s->Pitch);
        s->Unlock();
      }
    } else if (s->Surface) {
      // Through GDI, which maps the library's colours to the screen's palette.
      s->Canvas->Draw(0, 0, lib.MakeBitmap(i, !tiles));
      s->Canvas->Release();
    }
    s->SetColorKey(0);
    surfaces.push_back(std::move(s));
  }
  (tiles ? TileCount : ImageCount) = count;
  // The pixels now live in the surfaces; a library from a file is read again on restore.
  if (lib.HasFileName()) lib.Images().Clear();
}

void TGKEditorScreen::setLibraryPalette(const TGKImageLib& lib) {
  if (ColorDepth != 8) return;
  SetPalette(LibraryPalette(lib.Images()));
}

void TGKEditorScreen::SetImageLibrary(TGKImageLib* lib, bool usePalette) {
  FreeImageSurfaces();
  takeLibrary(lib, usePalette, false);
}

void TGKEditorScreen::SetTileLibrary(TGKImageLib* lib, bool usePalette) {
  FreeTileSurfaces();
  takeLibrary(lib, usePalette, true);
}

void TGKEditorScreen::takeLibrary(TGKImageLib* lib, bool usePalette, bool tiles) {
  if (!lib) return;
  lib->ColorDepth = ColorDepth;
  if (lib->GetCount() == 0) return;
  (tiles ? TileLib : ImageLib) = lib;
  if (usePalette) setLibraryPalette(*lib);
  if (!DirectDraw) return;  // the surfaces are made when the display starts
  buildSurfaces(*lib, tiles);
}

TGKEditorSurface* TGKEditorScreen::GetImage(int index) {
  if (index < 0 || index >= int(ImageSurfaces.size())) return nullptr;
  return ImageSurfaces[size_t(index)].get();
}

void TGKEditorScreen::FreeImageSurfaces() {
  ImageSurfaces.clear();
  ImageCount = 0;
}

void TGKEditorScreen::FreeTileSurfaces() {
  TileSurfaces.clear();
  TileCount = 0;
}

void TGKEditorScreen::reloadForRestore(TGKImageLib& lib) {
  if (!lib.HasFileName()) return;
  // A file that cannot be read again leaves the library empty, and so its surfaces.
  try {
    lib.ReloadFromFile();
  } catch (const std::exception& e) {
    if (Debug) Trace(e.what());
  }
}

void TGKEditorScreen::RestoreSurfaces() {
  if (!FrontSurface || !FrontSurface->Surface) return;
  HRESULT hr = FrontSurface->Surface->Restore();
  // The windowed back buffer is a surface of its own and needs its memory back too.
  if (platform::SUCCEEDED(hr) && BackSurface && !BackSurface->Attached && BackSurface->Surface)
    hr = BackSurface->Surface->Restore();
  if (platform::FAILED(hr) && Debug) Trace(restoreFailureText(hr));
  // Rebuilt whether or not the restore succeeded.
  if (ImageLib) {
    reloadForRestore(*ImageLib);
    SetImageLibrary(ImageLib, true);
  }
  if (TileLib) {
    reloadForRestore(*TileLib);
    SetTileLibrary(TileLib, true);
  }
}

void TGKEditorScreen::SurfaceLost(TGKEditorSurface&) { RestoreSurfaces(); }

platform::TRect TGKEditorScreen::GetClipRect() const { return FrontSurface ? FrontSurface->ClipRect : platform::TRect{}; }

void TGKEditorScreen::SetClipRect(const platform::TRect& r) {
  if (FrontSurface) FrontSurface->ClipRect = r;
  if (BackSurface) BackSurface->ClipRect = r;
}

void TGKEditorScreen::Notification(const void* removed) {
  if (destroying_ || !removed) return;
  if (removed == ImageLibrary) ImageLibrary = nullptr;
  if (removed == TileLibrary) TileLibrary = nullptr;
  // The libraries kept for a restore would dangle.
  if (removed == ImageLib) ImageLib = nullptr;
  if (removed == TileLib) TileLib = nullptr;
}
