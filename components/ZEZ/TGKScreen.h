#pragma once
// The display component: starts our DirectDraw the first time its window is
// activated, owns the front and back surfaces, turns image libraries into
// surfaces, keeps the 8-bit palette and fades it, and runs the frame loop as
// the application's idle handler while flipping is enabled.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/ZEZ/TGKSurface.h"
#include "components/ZEZ/ZEZErrors.h"
#include "components/ZEZ/ZEZSeams.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/draw/dd_palette.h"
#include "platform/draw/direct_draw.h"

class TGKImageLib;
class TGKMapLib;

enum TDisplayMode : uint8_t {
  dm640x480x8, dm640x480x16, dm640x480x24, dm640x480x32, dm320x200x8,
  dm800x600x8, dm800x600x16, dm800x600x24, dm800x600x32,
  dm1024x768x8, dm1024x768x16, dm1024x768x24, dm1024x768x32,
  dm640x400x8, dm320x240x8,
};

enum TPaletteMode : uint8_t { pmExclusive, pmNormal };

struct TModeSize {
  int Width, Height, Bits;
};
// The display-mode table; any other value gives 640 x 480 x 16.
TModeSize DisplayModeSize(int mode);

// The message the screen posts to itself when the application is activated.
constexpr uint32_t WM_RESTORESURFACES = platform::WM_USER + 200;

class TGKScreen {
 public:
  using TNotifyEvent = std::function<void(TGKScreen& sender)>;
  using PaletteTable = std::array<platform::PALETTEENTRY, 256>;

  // Hooks owner's OnActivate (keeping the handler found there, which runs first).
  // Unless designing, the owner must outlive the screen.
  explicit TGKScreen(platform::Form& owner, platform::Application& app = platform::application(),
                     bool designing = false);
  TGKScreen(const TGKScreen&) = delete;
  TGKScreen& operator=(const TGKScreen&) = delete;
  ~TGKScreen();

  // --- published properties, with their defaults
  TDisplayMode DisplayMode = dm640x480x8;
  bool Debug = true;
  bool BeepOnException = true;
  bool PaletteCycle = false;  // stored only
  std::string Version = "ZEZ Beta 7.6";
  int BackBuffers = 2;
  TGKImageLib* ImageLibrary = nullptr;
  TGKHiColorSource* HiColorLib = nullptr;
  TGKImageLib* TileLibrary = nullptr;
  TGKMapLib* MapLibrary = nullptr;  // stored only
  bool SkipTile0 = false;           // stored only
  TGKScreenBackground* Background = nullptr;
  bool WindowMode = false;
  bool WindowVBL = true;
  TPaletteMode PaletteMode = pmNormal;
  bool WindowStretch = false;
  int WinBufWidth = 0;
  int WinBufHeight = 0;
  int ColorDepth = 16;
  TGKScreenInput* ZEZInput = nullptr;
  platform::TCursor MouseImage = platform::crArrow;
  int MouseButton = 0;
  bool ShowMouse = false;
  TNotifyEvent OnPaint, OnFlip, OnInitialize, OnCleanUp;
  // Audio components of the owner window, started at every activation.
  std::vector<TGKScreenAudio*> AudioComponents;

  bool GetFlippingEnabled() const { return flippingEnabled_; }
  void SetFlippingEnabled(bool value);

  // --- state; the screen owns these
  std::unique_ptr<platform::DirectDraw> DirectDraw;  // null until started
  std::shared_ptr<platform::DDPalette> Palette;      // null until SetPalette first runs
  std::unique_ptr<TGKSurface> FrontSurface;
  std::unique_ptr<TGKSurface> BackSurface;
  PaletteTable PaletteEntries{};
  int ScreenWidth = 0, ScreenHeight = 0;
  int FormWidth = 0, FormHeight = 0;
  int MouseX = 0, MouseY = 0;
  platform::TCursor CursorHandle = platform::crDefault;
  TGKImageLib* ImageLib = nullptr;
  std::vector<std::unique_ptr<TGKSurface>> ImageSurfaces;
  int ImageCount = 0;
  TGKImageLib* TileLib = nullptr;
  std::vector<std::unique_ptr<TGKSurface>> TileSurfaces;
  int TileCount = 0;
  struct TGKKeys {
    uint16_t Left = 0, Right = 0, Up = 0, Down = 0, Fire1 = 0, Fire2 = 0;
  } Keys;

  platform::Form& Owner() const { return owner_; }

  // --- operations
  // Makes the window full-screen-ready unless designing or WindowMode.
  void Loaded();
  void FormActivate(platform::Form& sender);
  TModeSize GetModeSize();  // also sets ColorDepth
  void InitDirectDraw();
  void CleanUpDirectDraw();
  void Flip();
  void AppIdle(bool& done);
  void AppMessage(platform::TMsg& msg, bool& handled);
  void AppException(const std::exception& e);
  void StartFlipping();
  void StopFlipping();
  void WaitForVerticalBlank();
  void SetKeys(uint16_t left, uint16_t right, uint16_t up, uint16_t down, uint16_t fire1,
               uint16_t fire2);
  // The key state: through ZEZInput when set, else the asynchronous key state.
  bool KeyDown(uint16_t virtualKey);
  // Palette operations act only at 8 bits per pixel.
  void SetPalette(const PaletteTable& entries);
  void FadeOut(int steps);
  void FadeIn(int steps);
  void BuildPalette();
  void SetImageLibrary(TGKImageLib* lib, bool usePalette);
  void SetTileLibrary(TGKImageLib* lib, bool usePalette);
  void SetHiColorLibrary(TGKHiColorSource* lib);
  // Throws EGKScreen "A library must be set with SetImageLibrary" without image
  // surfaces, and EGKScreen for an index outside them.
  TGKSurface& GetImage(int index);
  void FreeImageSurfaces();
  void FreeTileSurfaces();
  void RestoreSurfaces();
  void SurfaceLost(TGKSurface& sender);
  TRect GetClipRect() const;
  void SetClipRect(const TRect& r);
  void FormMouseDown(platform::Form& sender, platform::TMouseButton button,
                     platform::TShiftState shift, int x, int y);
  void FormMouseMove(platform::Form& sender, platform::TShiftState shift, int x, int y);
  // The component is going away: references to it are cleared.
  void Notification(const void* removed);

 private:
  std::unique_ptr<TGKSurface> makeLibrarySurface(int width, int height, int depth);
  void buildSurfaces(TGKImageLib& lib, bool tiles);
  void drawCursor(int x, int y);
  void releaseDisplay();
  void setLibraryPalette(const TGKImageLib& lib);
  // The library's surfaces, or its tiles', once the old ones are freed.
  void takeLibrary(TGKImageLib* lib, bool usePalette, bool tiles);

  platform::Form& owner_;
  platform::Application& app_;
  bool designing_;
  bool destroying_ = false;
  bool flippingEnabled_ = false;
  std::function<void(platform::Form&)> savedActivate_;
  platform::Form* mouseForm_ = nullptr;
  std::function<void(platform::Form&, platform::TMouseButton, platform::TShiftState, int, int)>
      savedMouseDown_;
  std::function<void(platform::Form&, platform::TShiftState, int, int)> savedMouseMove_;
};
