// The editor's older screen and surface: modes, the desktop question, the start
// without errors, the exception-handler chain, the frame loop that ignores flip
// failures, restores that are traced and rebuild anyway, and surfaces that
// report nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "components/GKILib/TGKImageLib.h"
#include "components/Trace/Trace.h"
#include "editor/components/TGKEditorScreen.h"
#include "platform/core/clock.h"
#include "tests/support/scratch_folder.h"

namespace {

using platform::HRESULT;

class EditorScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::application().Reset();
    platform::directDrawFaults() = {};
    setTraceListener([this](const std::string& t) { log.push_back("trace:" + t); });
  }
  void TearDown() override {
    setTraceListener(nullptr);
    platform::directDrawFaults() = {};
    platform::DirectDraw::setDesktopColorBits(32);
    platform::application().Reset();
  }

  std::vector<std::string> traces() const {
    std::vector<std::string> out;
    for (const std::string& line : log)
      if (line.rfind("trace:", 0) == 0) out.push_back(line.substr(6));
    return out;
  }

  // A full-screen 320x240 screen in exclusive palette mode.
  std::unique_ptr<TGKEditorScreen> fullScreen() {
    auto s = std::make_unique<TGKEditorScreen>(form);
    s->DisplayMode = dm320x240;
    s->PaletteMode = pmExclusive;
    return s;
  }

  platform::FakeClock clock{1000};
  platform::ScopedClock scopedClock{clock};
  platform::HeadlessForm form{960, 720};
  platform::HeadlessDriver driver;
  std::vector<std::string> log;
};

// Two images; image 1 is 5x2 with the indexes 0..9.
TGKImages twoImages() {
  TGKImages images;
  for (int i = 1; i < 256; ++i) images.Palette[i] = {uint8_t(i), uint8_t(255 - i), 40, 1};
  images.AddImage(4, 4, "first", std::vector<uint8_t>(16, 3));
  images.AddImage(5, 2, "second", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  return images;
}

std::string writeLibrary(const ScratchFolder& folder) {
  const std::string path = (folder.path() / "lib.iml").string();
  std::ofstream out(path, std::ios::binary);
  twoImages().WriteToStream(out);
  return path;
}

// The bytes of image surface 1, row by row.
std::vector<uint8_t> secondImageBytes(TGKEditorSurface& s) {
  std::vector<uint8_t> bytes;
  uint8_t* bits = s.Lock();
  if (!bits) return bytes;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x) bytes.push_back(bits[y * s.Pitch + x]);
  s.Unlock();
  return bytes;
}
const std::vector<uint8_t> kSecondImage{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

TEST(EditorDisplayModes, SixEightBitModesAndTheFallback) {
  const struct {
    int mode;
    int width, height;
  } cases[] = {
      {dm640x480, 640, 480}, {dm320x200, 320, 200}, {dm800x600, 800, 600}, {dm1024x768, 1024, 768},
      {dm640x400, 640, 400}, {dm320x240, 320, 240}, {6, 640, 480},         {255, 640, 480},
      {-1, 640, 480},
  };
  for (const auto& c : cases) {
    const TModeSize got = EditorDisplayModeSize(c.mode);
    EXPECT_EQ(got.Width, c.width) << c.mode;
    EXPECT_EQ(got.Height, c.height) << c.mode;
    EXPECT_EQ(got.Bits, 8) << c.mode;
  }
}

TEST_F(EditorScreenTest, FullScreenStartSetsTheModeAtEightBitsWithTheStartPalette) {
  auto screen = fullScreen();
  screen->DisplayMode = dm800x600;
  screen->ColorDepth = 16;
  int inits = 0;
  screen->OnInitialize = [&](TGKEditorScreen&) { ++inits; };
  driver.activate(form);
  ASSERT_TRUE(screen->DirectDraw);
  EXPECT_EQ(inits, 1);
  EXPECT_EQ(screen->ColorDepth, 8);
  EXPECT_EQ(form.display.modeWidth, 800);
  EXPECT_EQ(form.display.modeBits, 8);
  EXPECT_FALSE(form.fullScreenReady);  // the window is not made borderless
  EXPECT_TRUE(screen->BackSurface->Attached);
  ASSERT_TRUE(screen->Palette);
  EXPECT_EQ(screen->PaletteEntries[255], (platform::PALETTEENTRY{255, 255, 255, 0}));
  EXPECT_EQ(screen->Version, "ZEZ Beta 6");
}

TEST_F(EditorScreenTest, CooperativeLevels) {
  const struct {
    bool window;
    TPaletteMode palette;
    uint32_t flags;
  } cases[] = {{false, pmExclusive, 0x53}, {false, pmNormal, 0x53}, {true, pmNormal, 0x08}, {true, pmExclusive, 0x15}};
  platform::DirectDraw::setDesktopColorBits(8);  // no question in a window
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.window << " " << int(c.palette));
    auto screen = std::make_unique<TGKEditorScreen>(form);
    screen->WindowMode = c.window;
    screen->PaletteMode = c.palette;
    screen->DisplayMode = dm320x240;
    driver.activate(form);
    ASSERT_TRUE(screen->DirectDraw);
    EXPECT_EQ(screen->DirectDraw->cooperativeFlags(), c.flags);
    if (c.window) {
      EXPECT_EQ(form.ClientWidth(), 320);  // the client takes the buffer's size
    }
  }
}

TEST_F(EditorScreenTest, DesktopQuestion) {
  const struct {
    const char* name;
    int desktopBits;
    bool window;
    int colorDepth;
    bool answer;
    bool asked, ended, started, windowAfter;
  } cases[] = {
      {"No ends the program", 32, true, 8, false, true, true, false, true},
      {"Yes goes full screen", 16, true, 8, true, true, false, true, false},
      {"256-colour desktop", 8, true, 8, false, false, false, true, true},
      {"full screen already", 32, false, 8, false, false, false, true, false},
      {"not an 8-bit screen", 32, true, 16, false, false, false, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::application().Reset();
    platform::DirectDraw::setDesktopColorBits(c.desktopBits);
    std::vector<std::string> questions;
    platform::application().OnConfirm = [&](const std::string& text) {
      questions.push_back(text);
      return c.answer;
    };
    int previous = 0;
    form.OnActivate = [&](platform::Form&) { ++previous; };
    {
      TGKEditorScreen screen(form);
      screen.WindowMode = c.window;
      screen.ColorDepth = c.colorDepth;
      driver.activate(form);
      driver.activate(form);  // asked at most once: never again once started
      EXPECT_EQ(questions.size(), c.asked ? (c.started ? 1u : 2u) : 0u);
      if (!questions.empty()) {
        EXPECT_EQ(questions[0],
                  "El escritorio no est\xE1 configurado en 256 colores. \xBF"
                  "Desea ejecutar este juego en modo Pantalla Completa?");
      }
      EXPECT_EQ(platform::application().Terminated(), c.ended);
      EXPECT_EQ(bool(screen.DirectDraw), c.started);
      EXPECT_EQ(previous, c.ended ? 0 : 2);
      EXPECT_EQ(screen.WindowMode, c.windowAfter);
      EXPECT_EQ(form.display.fullScreen, c.started && !c.windowAfter);
    }
    form.OnActivate = nullptr;
  }
}

TEST_F(EditorScreenTest, FailedStartRaisesNothingCleansUpAndCanBeRetried) {
  const struct {
    const char* name;
    HRESULT platform::DirectDrawFaults::*fault;
  } cases[] = {
      {"create", &platform::DirectDrawFaults::create},
      {"cooperative level", &platform::DirectDrawFaults::cooperativeLevel},
      {"display mode", &platform::DirectDrawFaults::displayMode},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::application().OnException = [&](const std::exception&) { log.push_back("previous"); };
    auto screen = fullScreen();
    int inits = 0;
    screen->OnInitialize = [&](TGKEditorScreen&) { ++inits; };
    platform::directDrawFaults().*c.fault = platform::DDERR_GENERIC;
    EXPECT_NO_THROW(screen->FormActivate(form));
    EXPECT_FALSE(screen->DirectDraw);
    EXPECT_FALSE(screen->FrontSurface);
    EXPECT_FALSE(form.display.fullScreen);
    EXPECT_EQ(inits, 0);
    // The handler found before is in place again.
    log.clear();
    platform::application().HandleException(std::runtime_error("x"));
    EXPECT_EQ(log, (std::vector<std::string>{"previous"}));

    platform::directDrawFaults() = {};
    screen->FormActivate(form);
    EXPECT_TRUE(screen->DirectDraw);
    EXPECT_EQ(inits, 1);
  }
}

TEST_F(EditorScreenTest, ExceptionHandlerChainsToThePreviousOneAndIsPutBack) {
  platform::Application& app = platform::application();
  app.OnException = [&](const std::exception& e) { log.push_back(std::string("previous:") + e.what()); };
  app.OnBeep = [&] { log.push_back("beep"); };
  auto screen = fullScreen();
  driver.activate(form);
  app.HandleException(std::runtime_error("boom"));
  EXPECT_EQ(log, (std::vector<std::string>{"previous:boom", "beep", "trace:boom"}));

  screen->CleanUpDirectDraw();
  log.clear();
  app.HandleException(std::runtime_error("after"));
  EXPECT_EQ(log, (std::vector<std::string>{"previous:after"}));
}

TEST_F(EditorScreenTest, IdleFlipsAfterOnFlipAndIgnoresFailuresOtherThanALostSurface) {
  auto screen = fullScreen();
  bool holdContext = false;
  screen->OnFlip = [&](TGKEditorScreen& s) {
    log.push_back("flip");
    s.BackSurface->Erase(0);
    // A context left open keeps the back buffer busy: the flip fails.
    if (holdContext) s.BackSurface->Canvas->SetPixel(0, 0, platform::clWhite);
  };
  screen->SetFlippingEnabled(true);
  driver.activate(form);
  const size_t presents = form.display.presentCount;
  driver.passes(2);
  EXPECT_EQ(form.display.presentCount, presents + 2);

  holdContext = true;
  driver.passes(2);
  EXPECT_EQ(form.display.presentCount, presents + 2);  // nothing shown, nothing raised
  EXPECT_EQ(platform::application().beepCount(), 0u);
  EXPECT_EQ(traces(), std::vector<std::string>{});
  screen->BackSurface->Canvas->Release();
  holdContext = false;
  driver.pass();
  EXPECT_EQ(form.display.presentCount, presents + 3);
  EXPECT_EQ(std::count(log.begin(), log.end(), "flip"), 5);
}

TEST_F(EditorScreenTest, LostFlipRebuildsTheImageSurfacesFromTheFile) {
  ScratchFolder folder("editor_screen");
  TGKImageLib lib;
  lib.LoadFromFile(writeLibrary(folder));
  auto screen = fullScreen();
  screen->ImageLibrary = &lib;
  driver.activate(form);
  ASSERT_EQ(screen->ImageCount, 2);
  EXPECT_EQ(lib.GetCount(), 0);  // from a file: the pixels live in the surfaces only
  TGKEditorSurface* before = screen->GetImage(1);
  EXPECT_EQ(screen->GetImage(2), nullptr);

  screen->FrontSurface->Surface->simulateLoss();
  EXPECT_NO_THROW(screen->Flip());
  ASSERT_NE(screen->GetImage(1), nullptr);
  EXPECT_NE(screen->GetImage(1), before);
  EXPECT_EQ(secondImageBytes(*screen->GetImage(1)), kSecondImage);
}

TEST_F(EditorScreenTest, FailedRestoreIsTracedAndTheSurfacesAreRebuiltAnyway) {
  const struct {
    HRESULT code;
    const char* text;
  } cases[] = {
      {HRESULT(0x80000008u), "Restore Failed: Generic"},
      {platform::DDERR_GENERIC, "Restore Failed: Generic"},
      {platform::DDERR_INVALIDOBJECT, "Restore Failed: Invalid Object"},
      {platform::DDERR_NOEXCLUSIVEMODE, "Restore Failed: No Exclusive"},
      {platform::DDERR_WRONGMODE, "Restore Failed: Wrong Mode"},
      {platform::E_OUTOFMEMORY, "Restore Failed: UnKnown"},
  };
  TGKImageLib images, tiles;
  images.SetImages(twoImages());
  tiles.SetImages(twoImages());
  auto screen = fullScreen();
  screen->ImageLibrary = &images;
  screen->TileLibrary = &tiles;
  driver.activate(form);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    log.clear();
    TGKEditorSurface* image = screen->GetImage(0);
    TGKEditorSurface* tile = screen->TileSurfaces.at(1).get();
    platform::directDrawFaults().restore = c.code;
    EXPECT_NO_THROW(screen->RestoreSurfaces());
    EXPECT_EQ(traces(), std::vector<std::string>{c.text});
    EXPECT_NE(screen->GetImage(0), image);
    ASSERT_EQ(screen->TileCount, 2);
    EXPECT_NE(screen->TileSurfaces[1].get(), tile);
    EXPECT_EQ(secondImageBytes(*screen->TileSurfaces[1]), kSecondImage);
  }
}

TEST_F(EditorScreenTest, LibrarySurfacesHoldThePixelsWithColourKeyZeroInBothPaletteModes) {
  platform::DirectDraw::setDesktopColorBits(8);
  for (TPaletteMode mode : {pmExclusive, pmNormal}) {
    SCOPED_TRACE(int(mode));
    TGKImageLib images, tiles;
    images.SetImages(twoImages());
    tiles.SetImages(twoImages());
    auto screen = std::make_unique<TGKEditorScreen>(form);
    screen->WindowMode = true;
    screen->PaletteMode = mode;
    screen->ImageLibrary = &images;
    screen->TileLibrary = &tiles;
    driver.activate(form);
    ASSERT_EQ(screen->ImageCount, 2);
    ASSERT_EQ(screen->TileCount, 2);
    for (TGKEditorSurface* s : {screen->GetImage(1), screen->TileSurfaces[1].get()}) {
      EXPECT_EQ(s->ColorKey, 0);
      EXPECT_TRUE(s->Surface->hasColorKey());
      EXPECT_EQ(s->Surface->colorKey(), 0u);
      // Through GDI the colours map back to the same indexes of the library's palette.
      EXPECT_EQ(secondImageBytes(*s), kSecondImage);
    }
  }
}

TEST_F(EditorScreenTest, EraseOnALostSurfaceCallsTheRestoreCallbackAndOtherFailuresPass) {
  auto screen = fullScreen();
  driver.activate(form);
  platform::DirectDraw& dd = *screen->DirectDraw;
  auto surface = TGKEditorSurface::CreateOffscreen(dd, 8, 8, 8);
  int restores = 0;
  surface->OnRestore = [&](TGKEditorSurface& sender) {
    EXPECT_EQ(&sender, surface.get());
    ++restores;
  };
  surface->Surface->simulateLoss();
  EXPECT_NO_THROW(surface->Erase(5));
  EXPECT_EQ(restores, 1);
  EXPECT_EQ(surface->Lock(), nullptr);
  EXPECT_EQ(surface->LockedRect, nullptr);
  surface->Surface->Restore();

  surface->Canvas->SetPixel(0, 0, platform::clWhite);  // busy while the context is held
  EXPECT_NO_THROW(surface->Erase(5));
  EXPECT_EQ(restores, 1);
  surface->Canvas->Release();
  surface->Erase(5);
  const uint8_t* bits = surface->Lock();
  ASSERT_NE(bits, nullptr);
  EXPECT_EQ(surface->LockedRect, &surface->Rect);
  EXPECT_EQ(bits[7 * surface->Pitch + 7], 5);
  surface->Unlock();
  EXPECT_FALSE(surface->Surface->isLocked());
}

TEST_F(EditorScreenTest, SurfacesThatCannotBeMadeReportNothing) {
  auto screen = fullScreen();
  driver.activate(form);
  platform::directDrawFaults().createSurface = platform::DDERR_OUTOFMEMORY;
  std::unique_ptr<TGKEditorSurface> s;
  ASSERT_NO_THROW(s = TGKEditorSurface::CreateOffscreen(*screen->DirectDraw, 4, 4, 8));
  EXPECT_FALSE(s->Surface);
  EXPECT_EQ(s->Width, 4);
  EXPECT_EQ(s->Lock(), nullptr);
  EXPECT_NO_THROW(s->Unlock());
  EXPECT_NO_THROW(s->SetColorKey(3));
  EXPECT_NO_THROW(s->Erase(1));
  // The canvas kept the missing surface: drawing fails with the canvas's own error.
  EXPECT_THROW(s->Canvas->SetPixel(0, 0, platform::clWhite), std::runtime_error);

  // A library turned into surfaces while none can be made: as many surfaces, all empty.
  TGKImageLib lib;
  lib.SetImages(twoImages());
  EXPECT_NO_THROW(screen->SetImageLibrary(&lib, true));
  EXPECT_EQ(screen->ImageCount, 2);
  EXPECT_FALSE(screen->GetImage(0)->Surface);
}

TEST_F(EditorScreenTest, PaletteOperationsReportNothing) {
  auto screen = fullScreen();
  EXPECT_NO_THROW(screen->FadeOut(4));  // no palette yet
  EXPECT_NO_THROW(screen->FadeIn(4));
  platform::directDrawFaults().createPalette = platform::DDERR_GENERIC;
  driver.activate(form);
  ASSERT_TRUE(screen->DirectDraw);
  EXPECT_FALSE(screen->Palette);
  platform::directDrawFaults() = {};

  TGKEditorScreen::PaletteTable table{};
  for (int i = 0; i < 256; ++i) table[i] = {uint8_t(i), 100, 7, 0};
  screen->SetPalette(table);
  ASSERT_TRUE(screen->Palette);
  const size_t before = screen->Palette->updateCount();
  screen->FadeOut(-1);  // no steps: nothing changes
  EXPECT_EQ(screen->Palette->updateCount(), before);
  EXPECT_EQ(screen->Palette->entries(), table);
  screen->FadeOut(2);
  EXPECT_EQ(screen->Palette->updateCount(), before + 3);
  EXPECT_EQ(screen->Palette->entries()[200], (platform::PALETTEENTRY{0, 0, 0, 0}));
  screen->FadeIn(2);
  EXPECT_EQ(screen->Palette->entries(), table);
}

TEST(EditorCanvas, TheUntestedConstructorKeepsANullSurface) {
  EXPECT_THROW(TGKCanvas{nullptr}, EGKCanvas);
  TGKCanvas canvas(nullptr, TGKCanvas::TUntested{});
  EXPECT_FALSE(canvas.Surface());
  EXPECT_THROW(canvas.SetPixel(0, 0, platform::clBlack), std::runtime_error);
  EXPECT_FALSE(canvas.HasDC());
  EXPECT_NO_THROW(canvas.Release());
}

}  // namespace
