#pragma once
// The editor's older screen: the display component of the editor's edition of
// the component library, beside the game's TGKScreen in one program. It starts
// an 8-bit display the first time its window is activated (after asking to go
// full screen when the desktop has no 256 colours), owns the front and back
// surfaces, turns image and tile libraries into surfaces and runs the frame
// loop while flipping is enabled. It has no hi-colour library, background,
// input, mouse or keys, and it reports its failures only through the trace
// channel (a failed restore) or not at all. The editor itself starts no screen.
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZ/ZEZSeams.h"
#include "editor/components/TGKEditorSurface.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/draw/dd_palette.h"
#include "platform/draw/direct_draw.h"

class TGKImageLib;
class TGKMapLib;

// The display modes of this edition, all at 8 bits per pixel.
enum TEditorDisplayMode : uint8_t { dm640x480, dm320x200, dm800x600, dm1024x768, dm640x400, dm320x240 };

// The mode table; any other value gives 640 x 480.
TModeSize EditorDisplayModeSize(int mode);

// The question asked when a windowed 8-bit screen starts on a desktop without 256 colours.
inline constexpr const char* kDesktopNot256Colors =
    "El escritorio no est\xE1 configurado en 256 colores. \xBF"
    "Desea ejecutar este juego en modo Pantalla Completa?";

class TGKEditorScreen {
 public:
  using TNotifyEvent = std::function<void(TGKEditorScreen& sender)>;
  using PaletteTable = std::array<platform::PALETTEENTRY, 256>;

  // Hooks owner's OnActivate (keeping the handler found there, which runs
  // first). Unless designing, the owner must outlive the screen.
  explicit TGKEditorScreen(platform::Form& owner, platform::Application& app = platform::application(),
                           bool designing = false);
  TGKEditorScreen(const TGKEditorScreen&) = delete;
  TGKEditorScreen& operator=(const TGKEditorScreen&) = delete;
  ~TGKEditorScreen();

  // --- published properties, with their defaults. The owner window is left as
  // it is after loading: this edition never makes it borderless.
  TEditorDisplayMode DisplayMode = dm640x480;
  bool Debug = true;
  bool BeepOnException = true;
  bool PaletteCycle = false;  // stored only
  std::string Version = "ZEZ Beta 6";
  int BackBuffers = 2;
  TGKImageLib* ImageLibrary = nullptr;
  TGKImageLib* TileLibrary = nullptr;
  TGKMapLib* MapLibrary = nullptr;  // stored only
  bool SkipTile0 = false;           // stored only
  bool WindowMode = false;
  bool WindowVBL = true;
  TPaletteMode PaletteMode = pmNormal;
  bool WindowStretch = false;
  int WinBufWidth = 0;
  int WinBufHeight = 0;
  int ColorDepth = 8;
  TNotifyEvent OnPaint, OnFlip, OnInitialize, OnCleanUp;
  // Audio components of the owner window, started at every activation.
  std::vector<TGKScreenAudio*> AudioComponents;

  bool GetFlippingEnabled() const { return flippingEnabled_; }
  void SetFlippingEnabled(bool value);

  // --- state; the screen owns these
  std::unique_ptr<platform::DirectDraw> DirectDraw;  // null until started
  std::shared_ptr<platform::DDPalette> Palette;      // null until SetPalette first runs
  std::unique_ptr<TGKEditorSurface> FrontSurface;
  std::unique_ptr<TGKEditorSurface> BackSurface;
  PaletteTable PaletteEntries{};
  int ScreenWidth = 0, ScreenHeight = 0;
  int FormWidth = 0, FormHeight = 0;
  TGKImageLib* ImageLib = nullptr;
  std::vector<std::unique_ptr<TGKEditorSurface>> ImageSurfaces;
  int ImageCount = 0;
  TGKImageLib* TileLib = nullptr;
  std::vector<std::unique_ptr<TGKEditorSurface>> TileSurfaces;
  int TileCount = 0;

  platform::Form& Owner() const { return owner_; }

  // --- operations
  // Asks about a desktop without 256 colours (No ends the program, Yes goes
  // full screen), then the saved handler, the start and the audio starts.
  void FormActivate(platform::Form& sender);
  TModeSize GetModeSize();  // also sets ColorDepth
  // A start that cannot get its cooperative level or display mode gives back
  // what it built and leaves the screen not started.
  void InitDirectDraw();
  void CleanUpDirectDraw();
  // A lost surface restores; other failures are ignored.
  void Flip();
  void AppIdle(bool& done);
  void AppMessage(platform::TMsg& msg, bool& handled);
  // The handler found at the start runs first; then the beep and the trace.
  void AppException(const std::exception& e);
  void StartFlipping();
  void StopFlipping();
  void WaitForVerticalBlank();
  // Palette operations act only at 8 bits per pixel and report nothing.
  void SetPalette(const PaletteTable& entries);
  void FadeOut(int steps);
  void FadeIn(int steps);
  void BuildPalette();
  void SetImageLibrary(TGKImageLib* lib, bool usePalette);
  void SetTileLibrary(TGKImageLib* lib, bool usePalette);
  // The image surface at index; nullptr without image surfaces or outside them.
  TGKEditorSurface* GetImage(int index);
  void FreeImageSurfaces();
  void FreeTileSurfaces();
  // A failed restore is traced; the image and tile surfaces are rebuilt anyway.
  void RestoreSurfaces();
  void SurfaceLost(TGKEditorSurface& sender);
  platform::TRect GetClipRect() const;
  void SetClipRect(const platform::TRect& r);
  // The component is going away: references to it are cleared.
  void Notification(const void* removed);

 private:
  bool desktopHas256Colors() const;
  void buildSurfaces(TGKImageLib& lib, bool tiles);
  void setLibraryPalette(const TGKImageLib& lib);
  // The library's surfaces, or its tiles', once the old ones are freed.
  void takeLibrary(TGKImageLib* lib, bool usePalette, bool tiles);
  // Shows step n of a fade between black (0) and PaletteEntries (steps).
  void showFadeStep(PaletteTable& table, int n, int steps, bool fadingIn);
  void reloadForRestore(TGKImageLib& lib);
  void releaseDisplay();

  platform::Form& owner_;
  platform::Application& app_;
  bool designing_;
  bool destroying_ = false;
  bool flippingEnabled_ = false;
  std::function<void(platform::Form&)> savedActivate_;
  platform::Application::TExceptionEvent savedException_;
  bool handlersInstalled_ = false;  // our exception and message handlers are in place
};
