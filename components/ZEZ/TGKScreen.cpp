#include "components/ZEZ/TGKScreen.h"

#include <algorithm>
#include <string>

#include "components/GKILib/TGKImageLib.h"
#include "components/Trace/Trace.h"
#include "components/ZEZ/screen_tables.h"
#include "platform/core/keys.h"
#include "platform/draw/gdi_bitmap.h"

using platform::DDSCL_ALLOWMODEX;
using platform::DDSCL_ALLOWREBOOT;
using platform::DDSCL_EXCLUSIVE;
using platform::DDSCL_FULLSCREEN;
using platform::DDSCL_NORMAL;
using platform::HRESULT;

TModeSize DisplayModeSize(int mode) {
  static constexpr TModeSize kModes[] = {
      {640, 480, 8},   {640, 480, 16},  {640, 480, 24},  {640, 480, 32}, {320, 200, 8},
      {800, 600, 8},   {800, 600, 16},  {800, 600, 24},  {800, 600, 32}, {1024, 768, 8},
      {1024, 768, 16}, {1024, 768, 24}, {1024, 768, 32}, {640, 400, 8},  {320, 240, 8},
  };
  if (mode < 0 || mode >= int(std::size(kModes))) return {640, 480, 16};
  return kModes[mode];
}

namespace {

std::string cooperativeLevelReason(HRESULT hr) {
  switch (hr) {
    case platform::DDERR_HWNDALREADYSET: return "HWND already set";
    case platform::DDERR_HWNDSUBCLASSED: return "Hwnd Subclasses";
    case platform::DDERR_EXCLUSIVEMODEALREADYSET: return "Exclude mode already set";
    case platform::E_OUTOFMEMORY: return "Out of memory";
    case platform::E_INVALIDARG: return "Invalud Params";
    case platform::DDERR_INVALIDOBJECT: return "Invalid Object";
    default: return "Unknown error";
  }
}

}  // namespace

TGKScreen::TGKScreen(platform::Form& owner, platform::Application& app, bool designing)
    : owner_(owner), app_(app), designing_(designing) {
  if (designing_) return;
  savedActivate_ = owner_.OnActivate;
  owner_.OnActivate = [this](platform::Form& sender) { FormActivate(sender); };
}

TGKScreen::~TGKScreen() {
  destroying_ = true;
  CleanUpDirectDraw();
  if (flippingEnabled_) StopFlipping();
  if (!designing_) owner_.OnActivate = savedActivate_;
}

void TGKScreen::Loaded() {
  if (designing_ || WindowMode) return;
  owner_.PrepareFullScreen();
}

void TGKScreen::FormActivate(platform::Form& sender) {
  if (!WindowMode) PaletteMode = pmExclusive;
  if (savedActivate_) savedActivate_(sender);
  InitDirectDraw();
  for (TGKScreenAudio* audio : AudioComponents)
    if (audio) audio->StartDirectSound();
}

TModeSize TGKScreen::GetModeSize() {
  const TModeSize m = DisplayModeSize(DisplayMode);
  ColorDepth = m.Bits;
  return m;
}

void TGKScreen::SetFlippingEnabled(bool value) {
  if (value == flippingEnabled_) return;
  flippingEnabled_ = value;
  if (designing_) return;
  if (value) StartFlipping();
  else StopFlipping();
}

void TGKScreen::StartFlipping() {
  app_.SetIdleHandler([this](bool& done) { AppIdle(done); });
}

void TGKScreen::StopFlipping() { app_.SetIdleHandler(nullptr); }

void TGKScreen::InitDirectDraw() {
  if (DirectDraw) return;
  if (platform::FAILED(platform::DirectDrawCreate(DirectDraw)) || !DirectDraw)
    throw EGKScreen("Failed to create IDirectDraw object");
  // A start that fails part-way gives back what it built, so that the next
  // activation can try again.
  try {
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

    uint32_t flags = DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT | DDSCL_EXCLUSIVE | DDSCL_ALLOWMODEX;
    if (WindowMode) flags = PaletteMode == pmNormal ? DDSCL_NORMAL : DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE;
    if (const HRESULT hr = DirectDraw->SetCooperativeLevel(&owner_.presenter(), flags); platform::FAILED(hr))
      throw EGKScreen("DirectDraw4 SetCooperativeLevel Failed: " + cooperativeLevelReason(hr));
    // Our desktop takes the screen's depth, so that an 8-bit screen also runs
    // in a window.
    if (WindowMode) DirectDraw->setDesktopBits(ColorDepth);

    app_.OnException = [this](const std::exception& e) { AppException(e); };
    app_.OnMessage = [this](platform::TMsg& msg, bool& handled) { AppMessage(msg, handled); };
    platform::Form& mainForm = app_.MainForm ? *app_.MainForm : owner_;
    mouseForm_ = &mainForm;
    savedMouseDown_ = mainForm.OnMouseDown;
    savedMouseMove_ = mainForm.OnMouseMove;
    mainForm.OnMouseDown = [this](platform::Form& f, platform::TMouseButton b, platform::TShiftState s, int x,
                                  int y) { FormMouseDown(f, b, s, x, y); };
    mainForm.OnMouseMove = [this](platform::Form& f, platform::TShiftState s, int x, int y) {
      FormMouseMove(f, s, x, y);
    };

    if (!WindowMode && platform::FAILED(DirectDraw->SetDisplayMode(mode.Width, mode.Height, ColorDepth)))
      throw EGKScreen("Set Display Mode Failed");

    FrontSurface = TGKSurface::CreatePrimary(*this, ColorDepth);
    BackSurface = WindowMode ? TGKSurface::CreateWindowBuffer(*this, ColorDepth)
                             : TGKSurface::CreateBackBuffer(*FrontSurface, ColorDepth);
    FrontSurface->OnRestore = [this](TGKSurface& s) { SurfaceLost(s); };
    BackSurface->OnRestore = [this](TGKSurface& s) { SurfaceLost(s); };

    if (WindowMode) {
      // Our presenter scales the frame itself; no clipper is needed.
      if (WindowStretch) owner_.SetClientSize(FormWidth, FormHeight);
      else owner_.SetClientSize(ScreenWidth, ScreenHeight);
    }
    if (ColorDepth == 8) BuildPalette();

    BackSurface->Erase(0);
    Flip();
    BackSurface->Erase(0);

    owner_.SetCursor(ShowMouse ? MouseImage : platform::crNone);
    CursorHandle = owner_.Cursor();

    if (Background) Background->Prepare();
    if (HiColorLib) SetHiColorLibrary(HiColorLib);
    if (ImageLibrary) SetImageLibrary(ImageLibrary, true);
    if (TileLibrary) SetTileLibrary(TileLibrary, true);
    if (ZEZInput) ZEZInput->Initialize();
  } catch (...) {
    releaseDisplay();
    throw;
  }
  if (OnInitialize) OnInitialize(*this);
}

void TGKScreen::CleanUpDirectDraw() {
  if (!DirectDraw) return;
  SetFlippingEnabled(false);
  if (OnCleanUp) OnCleanUp(*this);
  releaseDisplay();
}

void TGKScreen::releaseDisplay() {
  FreeImageSurfaces();
  FreeTileSurfaces();
  BackSurface.reset();
  FrontSurface.reset();
  Palette.reset();
  if (DirectDraw) {
    DirectDraw->RestoreDisplayMode();
    DirectDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
    DirectDraw.reset();
  }
  if (mouseForm_) {
    mouseForm_->OnMouseDown = savedMouseDown_;
    mouseForm_->OnMouseMove = savedMouseMove_;
    mouseForm_ = nullptr;
  }
  app_.OnException = nullptr;
  app_.OnMessage = nullptr;
}

void TGKScreen::AppIdle(bool& done) {
  done = false;
  if (!DirectDraw) return;
  if (Background) Background->Update();
  if (OnFlip) OnFlip(*this);
  Flip();
}

void TGKScreen::drawCursor(int x, int y) {
  // The arrow of the system cursor: white with a black outline, hot spot at its tip.
  static constexpr platform::TPoint kArrow[] = {{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}};
  platform::TPoint points[std::size(kArrow)];
  for (size_t i = 0; i < std::size(kArrow); ++i) points[i] = {x + kArrow[i].X, y + kArrow[i].Y};
  platform::Canvas& c = *BackSurface->Canvas;
  const platform::TPen savedPen = c.Pen;
  const platform::TBrush savedBrush = c.Brush;
  c.Pen = {platform::clBlack, 1, platform::psSolid};
  c.Brush = {platform::clWhite, platform::bsSolid};
  c.Polygon(points);
  c.Pen = savedPen;
  c.Brush = savedBrush;
  BackSurface->Canvas->Release();
}

void TGKScreen::Flip() {
  if (!FrontSurface || !BackSurface) return;
  HRESULT hr;
  if (WindowMode) {
    TRect dest = WindowStretch ? TRect{0, 0, owner_.ClientWidth(), owner_.ClientHeight()}
                               : TRect{0, 0, ScreenWidth, ScreenHeight};
    if (ShowMouse && !dest.isEmpty()) {
      if (const auto cursor = owner_.CursorPos()) {
        const TPoint p = owner_.ScreenToClient(*cursor);
        // The cursor goes where it is seen: buffer coordinates of the scaled frame.
        if (dest.contains(p.X, p.Y))
          drawCursor((MouseX - dest.Left) * ScreenWidth / dest.width(),
                     (MouseY - dest.Top) * ScreenHeight / dest.height());
      }
    }
    const TPoint topLeft = owner_.ClientToScreen({dest.Left, dest.Top});
    const TPoint bottomRight = owner_.ClientToScreen({dest.Right, dest.Bottom});
    dest = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
    if (WindowVBL) WaitForVerticalBlank();
    const TRect whole = BackSurface->Rect;
    hr = FrontSurface->Surface->Blt(&dest, *BackSurface->Surface, &whole);
  } else {
    if (ShowMouse) {
      if (const auto cursor = owner_.CursorPos()) {
        // The window shows the mode's frame scaled, perhaps between bars: the
        // cursor goes to the buffer pixel it is over, and not at all over a bar.
        const TPoint p = owner_.ScreenToClient(*cursor);
        const TRect area = owner_.DisplayArea();
        if (!area.isEmpty() && area.contains(p.X, p.Y))
          drawCursor((p.X - area.Left) * BackSurface->Width / area.width(),
                     (p.Y - area.Top) * BackSurface->Height / area.height());
      }
    }
    hr = FrontSurface->Surface->Flip();
  }
  if (hr == platform::DDERR_SURFACELOST) {
    RestoreSurfaces();
    return;
  }
  if (platform::FAILED(hr)) throw EGKScreen("Flip Failed");
}

void TGKScreen::AppMessage(platform::TMsg& msg, bool& handled) {
  switch (msg.message) {
    case platform::WM_ACTIVATEAPP:
      if ((msg.wParam & 0xFF) == 0) StopFlipping();
      else app_.PostMessage({WM_RESTORESURFACES, 0, 0});
      break;
    case WM_RESTORESURFACES:
      try {
        RestoreSurfaces();
      } catch (...) {
        // The frame loop comes back all the same, so that the next flip tries
        // the restore again instead of the game standing still for good.
        if (flippingEnabled_) StartFlipping();
        throw;
      }
      if (flippingEnabled_) StartFlipping();
      if (OnPaint) OnPaint(*this);
      break;
    case platform::WM_SYSCOMMAND:
      // The screen saver never starts while the game runs.
      handled = msg.wParam == platform::SC_SCREENSAVE;
      break;
    default:
      break;
  }
}

void TGKScreen::AppException(const std::exception& e) {
  if (BeepOnException) app_.MessageBeep();
  if (Debug) Trace(e.what());
}

void TGKScreen::WaitForVerticalBlank() {
  if (DirectDraw) DirectDraw->WaitForVerticalBlank();
}

void TGKScreen::SetKeys(uint16_t left, uint16_t right, uint16_t up, uint16_t down, uint16_t fire1,
                        uint16_t fire2) {
  Keys = {left, right, up, down, fire1, fire2};
  if (ZEZInput) ZEZInput->SetKeys(left, right, up, down, fire1, fire2);
}

bool TGKScreen::KeyDown(uint16_t virtualKey) {
  if (ZEZInput) return ZEZInput->KeyDown(virtualKey);
  return (platform::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

void TGKScreen::SetPalette(const PaletteTable& entries) {
  if (ColorDepth != 8) return;
  PaletteEntries = entries;
  // No display yet: the entries are only kept; the start replaces them with its
  // own palette (BuildPalette) and then the ImageLibrary's.
  if (!DirectDraw) return;
  if (Palette) {
    if (platform::FAILED(Palette->SetEntries(0, 256, PaletteEntries.data()))) throw EGKScreen("SetEntries Failed");
    return;
  }
  if (platform::FAILED(DirectDraw->CreatePalette(PaletteEntries.data(), Palette))) throw EGKScreen("CreatePalette Failed");
  if (!FrontSurface || platform::FAILED(FrontSurface->Surface->SetPalette(Palette))) throw EGKScreen("SetPalette Failed");
}

void TGKScreen::FadeOut(int steps) {
  if (ColorDepth != 8) return;
  if (!Palette) throw EGKScreen("No palette set");
  if (steps < 0) return;  // a count below 0 has no steps to show
  PaletteTable table;
  Palette->GetEntries(0, 256, table.data());
  for (int n = steps; n >= 0; --n) {
    FadeStep(table, PaletteEntries, n, steps, false);
    WaitForVerticalBlank();
    Palette->SetEntries(0, 256, table.data());
  }
}

void TGKScreen::FadeIn(int steps) {
  if (ColorDepth != 8) return;
  if (!Palette) throw EGKScreen("No palette set");
  if (steps < 0) return;
  PaletteTable table{};
  for (int n = 0; n <= steps; ++n) {
    FadeStep(table, PaletteEntries, n, steps, true);
    WaitForVerticalBlank();
    Palette->SetEntries(0, 256, table.data());
  }
}

void TGKScreen::BuildPalette() {
  if (ColorDepth != 8) return;
  SetPalette(StartPalette());
}

std::unique_ptr<TGKSurface> TGKScreen::makeLibrarySurface(int width, int height, int depth) {
  auto s = TGKSurface::CreateOffscreen(*DirectDraw, width, height, depth);
  s->OnRestore = [this](TGKSurface& lost) { SurfaceLost(lost); };
  return s;
}

void TGKScreen::buildSurfaces(TGKImageLib& lib, bool tiles) {
  auto& surfaces = tiles ? TileSurfaces : ImageSurfaces;
  const TGKImages& images = lib.Images();
  const int count = images.GetCount();
  surfaces.reserve(size_t(count));
  for (int i = 0; i < count; ++i) {
    const TGKImageEntry& image = images.GetImageHeader(i);
    auto s = makeLibrarySurface(image.Width, image.Height, tiles ? ColorDepth : 8);
    const bool copyBytes = ColorDepth == 8 && PaletteMode == pmExclusive && !tiles;
    if (copyBytes) {
      // The library's rows are already in the 8-bit surface format.
      if (uint8_t* bits = s->Lock()) {
        CopyImageRows(image, bits, s->Pitch);
        s->Unlock();
      }
    } else if (tiles) {
      s->Canvas->Draw(0, 0, lib.MakeBitmap(i, false));
      s->Canvas->Release();
    } else {
      // Index-0 pixels keep the black of the picture: the colour key is 0.
      platform::GdiBitmap picture(image.Width, image.Height, 32);
      lib.DrawTransparent(picture.Canvas(), 0, 0, i);
      s->Canvas->Draw(0, 0, picture);
      s->Canvas->Release();
    }
    s->SetColorKey(0);
    if (tiles) s->ClipRect = {0, 0, image.Width, image.Height};
    surfaces.push_back(std::move(s));
  }
  (tiles ? TileCount : ImageCount) = count;
  // The pixels now live in the surfaces; a library from a file is read again on restore.
  if (lib.HasFileName()) lib.Images().Clear();
}

void TGKScreen::setLibraryPalette(const TGKImageLib& lib) {
  if (ColorDepth != 8) return;
  SetPalette(LibraryPalette(lib.Images()));
}

void TGKScreen::SetImageLibrary(TGKImageLib* lib, bool usePalette) {
  FreeImageSurfaces();
  takeLibrary(lib, usePalette, false);
}

void TGKScreen::SetTileLibrary(TGKImageLib* lib, bool usePalette) {
  FreeTileSurfaces();
  takeLibrary(lib, usePalette, true);
}

void TGKScreen::takeLibrary(TGKImageLib* lib, bool usePalette, bool tiles) {
  if (!lib) return;
  lib->ColorDepth = ColorDepth;
  if (lib->GetCount() == 0) return;
  (tiles ? TileLib : ImageLib) = lib;
  if (usePalette) setLibraryPalette(*lib);
  // No display yet: the library is only remembered (a restore rebuilds from it);
  // the start makes surfaces of ImageLibrary and TileLibrary alone.
  if (!DirectDraw) return;
  buildSurfaces(*lib, tiles);
}

void TGKScreen::SetHiColorLibrary(TGKHiColorSource* lib) {
  if (!lib || lib->GetCount() == 0 || !DirectDraw) return;
  FreeImageSurfaces();
  const int count = lib->GetCount();
  for (int i = 0; i < count; ++i) {
    const platform::GdiBitmap& picture = lib->GetPicture(i);
    auto s = makeLibrarySurface(std::max(picture.Width(), 1), std::max(picture.Height(), 1), ColorDepth);
    s->Canvas->Draw(0, 0, picture);
    s->Canvas->Release();
    s->SetColorKey(0);
    ImageSurfaces.push_back(std::move(s));
  }
  ImageCount = count;
}

TGKSurface& TGKScreen::GetImage(int index) {
  if (ImageSurfaces.empty()) throw EGKScreen("A library must be set with SetImageLibrary");
  if (index < 0 || index >= int(ImageSurfaces.size()))
    throw EGKScreen("GetImage: image " + std::to_string(index) + " is not in the library");
  return *ImageSurfaces[size_t(index)];
}

void TGKScreen::FreeImageSurfaces() {
  ImageSurfaces.clear();
  ImageCount = 0;
}

void TGKScreen::FreeTileSurfaces() {
  TileSurfaces.clear();
  TileCount = 0;
}

void TGKScreen::RestoreSurfaces() {
  if (!FrontSurface) return;
  HRESULT hr = FrontSurface->Surface->Restore();
  // The windowed back buffer is a surface of its own and needs its memory back too.
  if (platform::SUCCEEDED(hr) && BackSurface && !BackSurface->Attached) hr = BackSurface->Surface->Restore();
  if (platform::FAILED(hr)) {
    if (Debug) Trace(RestoreFailureText(hr));
    throw EGKScreen("RestoreSurfaces Failed (Front)");
  }
  // The palette stays as the game has set it; only the pixels are rebuilt.
  if (ImageLib) {
    if (ImageLib->HasFileName()) ImageLib->ReloadFromFile();
    SetImageLibrary(ImageLib, false);
  }
  if (TileLib) {
    if (TileLib->HasFileName()) TileLib->ReloadFromFile();
    SetTileLibrary(TileLib, false);
  }
}

void TGKScreen::SurfaceLost(TGKSurface&) { RestoreSurfaces(); }

TRect TGKScreen::GetClipRect() const { return FrontSurface ? FrontSurface->ClipRect : TRect{}; }

void TGKScreen::SetClipRect(const TRect& r) {
  if (FrontSurface) FrontSurface->ClipRect = r;
  if (BackSurface) BackSurface->ClipRect = r;
}

void TGKScreen::FormMouseDown(platform::Form& sender, platform::TMouseButton button, platform::TShiftState shift,
                              int x, int y) {
  MouseButton = button == platform::mbLeft || button == platform::mbRight ? 1 : 0;
  if (savedMouseDown_) savedMouseDown_(sender, button, shift, x, y);
}

void TGKScreen::FormMouseMove(platform::Form& sender, platform::TShiftState shift, int x, int y) {
  MouseX = x;
  MouseY = y;
  if (savedMouseMove_) savedMouseMove_(sender, shift, x, y);
}

void TGKScreen::Notification(const void* removed) {
  if (destroying_ || !removed) return;
  if (removed == ImageLibrary) ImageLibrary = nullptr;
  if (removed == TileLibrary) TileLibrary = nullptr;
  if (removed == HiColorLib) HiColorLib = nullptr;
  if (removed == Background) Background = nullptr;
  if (removed == ZEZInput) ZEZInput = nullptr;
  // The libraries kept for a restore would dangle.
  if (removed == ImageLib) ImageLib = nullptr;
  if (removed == TileLib) TileLib = nullptr;
}
