// The screen: display start, modes, the frame loop and activation, palette and
// fades, library surfaces and their restore.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "components/GKILib/TGKImageLib.h"
#include "components/Trace/Trace.h"
#include "components/ZEZ/TGKScreen.h"
#include "platform/core/clock.h"
#include "platform/core/keys.h"
#include "tests/support/scratch_folder.h"

namespace {

using platform::PALETTEENTRY;

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::application().Reset();
    platform::directDrawFaults() = {};
    setTraceListener([this](const std::string& t) { traces.push_back(t); });
  }
  void TearDown() override {
    setTraceListener(nullptr);
    platform::directDrawFaults() = {};
    platform::application().Reset();
  }

  // A windowed 32-bit screen with the game's 320x240 buffer stretched.
  std::unique_ptr<TGKScreen> windowed() {
    auto s = std::make_unique<TGKScreen>(form);
    s->DisplayMode = dm640x480x32;
    s->WindowMode = true;
    s->WindowStretch = true;
    s->WinBufWidth = 320;
    s->WinBufHeight = 240;
    return s;
  }
  // The game's full-screen 320x240x8 screen.
  std::unique_ptr<TGKScreen> fullScreen8() {
    auto s = std::make_unique<TGKScreen>(form);
    s->DisplayMode = dm320x240x8;
    s->Loaded();
    return s;
  }

  platform::FakeClock clock{1000};
  platform::ScopedClock scopedClock{clock};
  platform::HeadlessForm form{960, 720};
  platform::HeadlessDriver driver;
  std::vector<std::string> traces;
};

// A library of two images; image 1 is 5x2: index 0 at (0,0), the rest 1..9.
TGKImages twoImages() {
  TGKImages images;
  for (int i = 1; i < 256; ++i) images.Palette[i] = {uint8_t(i), uint8_t(255 - i), 40, 1};
  images.Palette[0] = {0, 0, 0, 0};
  images.AddImage(4, 4, "first", std::vector<uint8_t>(16, 3));
  images.AddImage(5, 2, "second", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  return images;
}

std::string writeLibrary(const std::string& name) {
  const std::string path = testTempPath(name).string();
  std::ofstream out(path, std::ios::binary);
  twoImages().WriteToStream(out);
  return path;
}

TEST(DisplayModes, TableAndFallback) {
  const TModeSize expected[] = {
      {640, 480, 8},   {640, 480, 16},  {640, 480, 24},  {640, 480, 32}, {320, 200, 8},
      {800, 600, 8},   {800, 600, 16},  {800, 600, 24},  {800, 600, 32}, {1024, 768, 8},
      {1024, 768, 16}, {1024, 768, 24}, {1024, 768, 32}, {640, 400, 8},  {320, 240, 8},
  };
  for (int m = 0; m < 15; ++m) {
    const TModeSize got = DisplayModeSize(m);
    EXPECT_EQ(got.Width, expected[m].Width) << m;
    EXPECT_EQ(got.Height, expected[m].Height) << m;
    EXPECT_EQ(got.Bits, expected[m].Bits) << m;
  }
  for (int m : {15, 200, -1}) {
    const TModeSize got = DisplayModeSize(m);
    EXPECT_EQ(got.Width * 10000 + got.Height * 10 + got.Bits / 16, 640 * 10000 + 480 * 10 + 1) << m;
  }
}

TEST_F(ScreenTest, EventOrderAcrossActivation) {
  auto screen = windowed();
  std::vector<std::string> log;
  screen->OnInitialize = [&](TGKScreen&) { log.push_back("init"); };
  screen->OnFlip = [&](TGKScreen& s) {
    log.push_back("flip");
    s.BackSurface->Erase(0);
  };
  screen->OnPaint = [&](TGKScreen&) { log.push_back("paint"); };
  screen->OnCleanUp = [&](TGKScreen&) { log.push_back("cleanup"); };
  screen->SetFlippingEnabled(true);

  driver.activate(form);
  ASSERT_TRUE(screen->DirectDraw);
  const size_t presentsAtStart = form.display.presentCount;
  driver.passes(3);
  EXPECT_EQ(form.display.presentCount, presentsAtStart + 3);  // one flip per pass
  EXPECT_EQ(log, (std::vector<std::string>{"init", "flip", "flip", "flip"}));

  driver.deactivate();
  driver.passes(3);
  EXPECT_EQ(log.size(), 4u);  // the loop stands while the application is inactive
  EXPECT_TRUE(screen->GetFlippingEnabled());

  driver.activate(form);
  driver.passes(2);
  EXPECT_EQ(log, (std::vector<std::string>{"init", "flip", "flip", "flip", "paint", "flip", "flip"}));

  screen->CleanUpDirectDraw();
  EXPECT_EQ(log.back(), "cleanup");
  EXPECT_FALSE(screen->DirectDraw);
  EXPECT_FALSE(screen->GetFlippingEnabled());
}

TEST_F(ScreenTest, WindowBufferSizeAndClientSize) {
  auto screen = windowed();
  form.borderWidth = 16;
  form.borderHeight = 39;
  driver.activate(form);
  EXPECT_EQ(screen->ScreenWidth, 320);
  EXPECT_EQ(screen->ScreenHeight, 240);
  EXPECT_EQ(screen->BackSurface->Width, 320);
  EXPECT_EQ(screen->ColorDepth, 32);
  // Stretched: the client area takes the window's outer size.
  EXPECT_EQ(form.ClientWidth(), 960 + 16);
  EXPECT_EQ(form.ClientHeight(), 720 + 39);
  screen.reset();

  auto second = windowed();
  second->WinBufHeight = 0;  // one of them 0: the mode's size
  second->WindowStretch = false;
  driver.activate(form);
  EXPECT_EQ(second->ScreenWidth, 640);
  EXPECT_EQ(second->ScreenHeight, 480);
  EXPECT_EQ(form.ClientWidth(), 640);
}

TEST_F(ScreenTest, FullScreenStartSetsTheModeAndExclusivePalette) {
  auto screen = fullScreen8();
  EXPECT_TRUE(form.fullScreenReady);
  driver.activate(form);
  EXPECT_EQ(screen->PaletteMode, pmExclusive);
  EXPECT_TRUE(form.display.fullScreen);
  EXPECT_EQ(form.display.modeWidth, 320);
  EXPECT_EQ(screen->BackSurface->Width, 320);
  EXPECT_TRUE(screen->BackSurface->Attached);
  ASSERT_TRUE(screen->Palette);
  // The static colours at both ends, random ones between.
  EXPECT_EQ(screen->PaletteEntries[255], (PALETTEENTRY{255, 255, 255, 0}));
  EXPECT_EQ(screen->PaletteEntries[1], (PALETTEENTRY{128, 0, 0, 0}));
  screen->CleanUpDirectDraw();
  EXPECT_FALSE(form.display.fullScreen);
}

TEST_F(ScreenTest, FailedStartCleansUpAndCanBeRetried) {
  const struct {
    const char* name;
    platform::HRESULT platform::DirectDrawFaults::*fault;
    platform::HRESULT code;
    const char* message;
  } cases[] = {
      {"create", &platform::DirectDrawFaults::create, platform::DDERR_GENERIC, "Failed to create IDirectDraw object"},
      {"cooperative level", &platform::DirectDrawFaults::cooperativeLevel, platform::E_INVALIDARG,
       "DirectDraw4 SetCooperativeLevel Failed: Invalud Params"},
      {"cooperative level, other", &platform::DirectDrawFaults::cooperativeLevel, platform::DDERR_GENERIC,
       "DirectDraw4 SetCooperativeLevel Failed: Unknown error"},
      {"display mode", &platform::DirectDrawFaults::displayMode, platform::DDERR_GENERIC, "Set Display Mode Failed"},
      {"surface", &platform::DirectDrawFaults::createSurface, platform::DDERR_OUTOFMEMORY,
       "Create Primary Surface failed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::directDrawFaults() = {};
    auto screen = fullScreen8();
    int inits = 0, cleanups = 0;
    screen->OnInitialize = [&](TGKScreen&) { ++inits; };
    screen->OnCleanUp = [&](TGKScreen&) { ++cleanups; };
    screen->SetFlippingEnabled(true);
    platform::directDrawFaults().*c.fault = c.code;
    try {
      screen->FormActivate(form);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {  // EGKScreen, or EGKSurface from a surface
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_FALSE(screen->DirectDraw);
    EXPECT_FALSE(screen->FrontSurface);
    EXPECT_FALSE(form.display.fullScreen);
    EXPECT_TRUE(screen->GetFlippingEnabled());
    EXPECT_EQ(cleanups, 0);

    platform::directDrawFaults() = {};
    screen->FormActivate(form);
    EXPECT_TRUE(screen->DirectDraw);
    EXPECT_EQ(inits, 1);
  }
}

TEST_F(ScreenTest, FadesGiveStepsPlusOneUpdatesEndingExactly) {
  auto screen = fullScreen8();
  driver.activate(form);
  TGKScreen::PaletteTable table{};
  for (int i = 0; i < 256; ++i) table[i] = {uint8_t(i), 200, uint8_t(255 - i), 0};
  screen->SetPalette(table);
  screen->BackSurface->Erase(77);
  screen->Flip();

  const size_t before = screen->Palette->updateCount();
  screen->FadeOut(4);
  EXPECT_EQ(screen->Palette->updateCount(), before + 5);
  EXPECT_EQ(screen->Palette->entries()[77], (PALETTEENTRY{0, 0, 0, 0}));
  EXPECT_EQ(screen->PaletteEntries[77], table[77]);  // the game's palette is kept
  EXPECT_EQ(form.display.pixel(5, 5), 0u);           // the change is shown at once

  screen->FadeIn(3);
  EXPECT_EQ(screen->Palette->updateCount(), before + 9);
  EXPECT_EQ(screen->Palette->entries(), table);
  EXPECT_EQ(form.display.pixel(5, 5), (77u << 16) | (200u << 8) | (255u - 77));

  screen->FadeIn(-1);  // nothing, no error
  screen->FadeOut(-1);
  EXPECT_EQ(screen->Palette->updateCount(), before + 9);
  EXPECT_EQ(screen->Palette->entries(), table);
  screen->FadeOut(0);  // straight to black, no division by zero
  EXPECT_EQ(screen->Palette->entries()[77].peGreen, 0);
}

TEST_F(ScreenTest, PaletteOperationsAtOtherDepths) {
  auto screen = windowed();
  driver.activate(form);
  EXPECT_NO_THROW(screen->FadeOut(4));
  EXPECT_NO_THROW(screen->FadeIn(4));
  EXPECT_FALSE(screen->Palette);

  auto notStarted = fullScreen8();
  notStarted->ColorDepth = 8;
  try {
    notStarted->FadeOut(4);
    FAIL();
  } catch (const EGKScreen& e) {
    EXPECT_STREQ(e.what(), "No palette set");
  }
  EXPECT_THROW(notStarted->FadeIn(-1), EGKScreen);
}

TEST_F(ScreenTest, ImageSurfacesAtEightAndThirtyTwoBits) {
  TGKImageLib lib;
  lib.SetImages(twoImages());
  for (bool eightBit : {true, false}) {
    SCOPED_TRACE(eightBit ? "8" : "32");
    auto screen = eightBit ? fullScreen8() : windowed();
    try {
      screen->GetImage(0);
      FAIL();
    } catch (const EGKScreen& e) {
      EXPECT_STREQ(e.what(), "A library must be set with SetImageLibrary");
    }
    screen->ImageLibrary = &lib;
    driver.activate(form);
    ASSERT_EQ(screen->ImageCount, 2);
    EXPECT_EQ(lib.GetCount(), 2);  // not from a file: the images stay
    TGKSurface& image = screen->GetImage(1);
    EXPECT_EQ(image.Width, 5);
    EXPECT_THROW(screen->GetImage(2), EGKScreen);
    // Drawn transparent onto a filled back buffer and flipped: index 0 is left out.
    screen->BackSurface->Erase(eightBit ? 200 : 0x00123456);
    screen->BackSurface->Draw(10, 20, image, true);
    screen->Flip();
    const uint32_t background = eightBit ? (200u << 16) | (55u << 8) | 40 : 0x00123456;
    EXPECT_EQ(form.display.pixel(10, 20), background);
    EXPECT_EQ(form.display.pixel(11, 20), (1u << 16) | (254u << 8) | 40);
    EXPECT_EQ(form.display.pixel(14, 21), (9u << 16) | (246u << 8) | 40);
    screen.reset();
  }
}

TEST_F(ScreenTest, InjectedLossRebuildsFromTheFileAndKeepsThePalette) {
  TGKImageLib lib;
  lib.LoadFromFile(writeLibrary("restore.iml"));
  auto screen = fullScreen8();
  screen->ImageLibrary = &lib;
  driver.activate(form);
  EXPECT_EQ(lib.GetCount(), 0);  // from a file: the pixels live in the surfaces only
  TGKScreen::PaletteTable game = screen->PaletteEntries;
  game[130] = {1, 2, 3, 0};  // an entry the game sets itself
  screen->SetPalette(game);

  const TGKSurface* before = &screen->GetImage(1);
  screen->BackSurface->Surface->simulateLoss();
  EXPECT_NO_THROW(screen->BackSurface->Erase(0));  // lost: the screen restores
  EXPECT_NE(&screen->GetImage(1), before);
  EXPECT_EQ(screen->ImageCount, 2);
  EXPECT_EQ(screen->PaletteEntries[130], (PALETTEENTRY{1, 2, 3, 0}));
  EXPECT_EQ(screen->Palette->entries()[130], (PALETTEENTRY{1, 2, 3, 0}));
  uint8_t* bits = screen->GetImage(1).Lock();
  ASSERT_NE(bits, nullptr);
  EXPECT_EQ(bits[screen->GetImage(1).Pitch + 4], 9);
  screen->GetImage(1).Unlock();
  EXPECT_NO_THROW(screen->BackSurface->Erase(0));

  // Reactivation rebuilds the surfaces before OnPaint.
  const TGKSurface* atPaint = nullptr;
  screen->OnPaint = [&](TGKScreen& s) { atPaint = &s.GetImage(1); };
  before = &screen->GetImage(1);
  driver.deactivate();
  driver.activate(form);
  driver.pass();
  EXPECT_NE(atPaint, nullptr);
  EXPECT_NE(atPaint, before);
  EXPECT_EQ(screen->Palette->entries()[130], (PALETTEENTRY{1, 2, 3, 0}));
  std::filesystem::remove(lib.FileName);
}

TEST_F(ScreenTest, FailedRestoreIsTracedAndRaised) {
  auto screen = fullScreen8();
  driver.activate(form);
  platform::directDrawFaults().restore = platform::DDERR_WRONGMODE;
  try {
    screen->RestoreSurfaces();
    FAIL();
  } catch (const EGKScreen& e) {
    EXPECT_STREQ(e.what(), "RestoreSurfaces Failed (Front)");
  }
  EXPECT_EQ(traces, (std::vector<std::string>{"Restore Failed: Wrong Mode"}));
}

TEST_F(ScreenTest, AFailedRestoreOnReactivationKeepsTheFrameLoopGoing) {
  auto screen = fullScreen8();
  int flips = 0, paints = 0;
  screen->OnFlip = [&](TGKScreen&) { ++flips; };
  screen->OnPaint = [&](TGKScreen&) { ++paints; };
  screen->SetFlippingEnabled(true);
  driver.activate(form);
  driver.pass();
  ASSERT_EQ(flips, 1);

  driver.deactivate();
  EXPECT_FALSE(driver.pass());  // no frames while inactive
  platform::directDrawFaults().restore = platform::DDERR_GENERIC;
  driver.activate(form);
  driver.pass();  // the restore fails: traced, no paint, but the frame follows
  EXPECT_EQ(traces, (std::vector<std::string>{"Restore Failed: Generic", "RestoreSurfaces Failed (Front)"}));
  EXPECT_EQ(paints, 0);
  EXPECT_EQ(flips, 2);

  // A lost surface during a flip tries the restore again; once it succeeds
  // the game draws on as before.
  platform::directDrawFaults().restore = platform::DD_OK;
  screen->FrontSurface->Surface->simulateLoss();
  driver.passes(2);
  EXPECT_EQ(flips, 4);
  EXPECT_EQ(traces.size(), 2u);
  EXPECT_EQ(screen->FrontSurface->Surface->IsLost(), platform::DD_OK);
}

TEST_F(ScreenTest, ExceptionsInTheLoopBeepTraceAndGoOn) {
  auto screen = windowed();
  int flips = 0;
  screen->OnFlip = [&](TGKScreen&) {
    if (++flips == 1) throw EGKSurface("Draw (BltFast) Failed");
  };
  screen->SetFlippingEnabled(true);
  driver.activate(form);
  driver.passes(2);
  EXPECT_EQ(flips, 2);
  EXPECT_EQ(platform::application().beepCount(), 1u);
  EXPECT_EQ(traces, (std::vector<std::string>{"Draw (BltFast) Failed"}));
  screen->BeepOnException = false;
  screen->Debug = false;
  platform::application().HandleException(std::runtime_error("quiet"));
  EXPECT_EQ(platform::application().beepCount(), 1u);
  EXPECT_EQ(traces.size(), 1u);
}

TEST_F(ScreenTest, ScreenSaverCommandIsSwallowed) {
  auto screen = windowed();
  driver.activate(form);
  for (auto [command, swallowed] : {std::pair{platform::SC_SCREENSAVE, true}, {platform::SC_MONITORPOWER, false},
                                    {uintptr_t(0xF020), false}}) {
    platform::TMsg msg{platform::WM_SYSCOMMAND, command, 0};
    bool handled = false;
    platform::application().OnMessage(msg, handled);
    EXPECT_EQ(handled, swallowed) << command;
  }
}

TEST_F(ScreenTest, CursorIsDrawnAtBufferCoordinates) {
  auto screen = windowed();
  screen->ShowMouse = true;
  screen->OnFlip = [](TGKScreen& s) { s.BackSurface->Erase(0); };
  screen->SetFlippingEnabled(true);
  driver.activate(form);
  form.moveMouse(300, 150);  // a third of the way into the 960-wide window
  driver.pass();
  EXPECT_EQ(form.display.pixel(101, 53), 0x00FFFFFFu);
  EXPECT_EQ(form.display.pixel(301, 153), 0u);
  EXPECT_EQ(screen->MouseX, 300);
  form.pressMouse(platform::mbRight, 1, 1);
  EXPECT_EQ(screen->MouseButton, 1);
  form.pressMouse(platform::mbMiddle, 1, 1);
  EXPECT_EQ(screen->MouseButton, 0);
}

TEST_F(ScreenTest, FullScreenCursorIsDrawnAtTheBufferPixelUnderIt) {
  const struct {
    const char* name;
    int clientWidth, clientHeight;
    std::optional<TRect> area;  // where the window shows the 320x240 frame
    int mouseX, mouseY;
    std::optional<TPoint> tip;  // where the arrow's tip lands in the buffer; none: not drawn
  } cases[] = {
      {"frame over the whole client", 960, 720, std::nullopt, 300, 150, TPoint{100, 50}},
      {"frame between bars", 1280, 720, TRect{160, 0, 1120, 720}, 460, 150, TPoint{100, 50}},
      {"over the left bar", 1280, 720, TRect{160, 0, 1120, 720}, 100, 150, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    form.clientWidth = c.clientWidth;
    form.clientHeight = c.clientHeight;
    form.displayArea = c.area;
    auto screen = fullScreen8();
    screen->ShowMouse = true;
    screen->OnFlip = [](TGKScreen& s) { s.BackSurface->Erase(0); };
    screen->SetFlippingEnabled(true);
    driver.activate(form);
    form.moveMouse(c.mouseX, c.mouseY);
    driver.pass();
    int whites = 0;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 320; ++x) whites += form.display.pixel(x, y) == 0x00FFFFFFu;
    if (c.tip) {
      EXPECT_EQ(form.display.pixel(c.tip->X + 1, c.tip->Y + 3), 0x00FFFFFFu);
    } else {
      EXPECT_EQ(whites, 0);
    }
    screen.reset();
  }
}

class FakeInput : public TGKScreenInput {
 public:
  void Initialize() override { ++initialized; }
  void SetKeys(uint16_t l, uint16_t r, uint16_t, uint16_t, uint16_t, uint16_t) override { keys = {l, r}; }
  bool KeyDown(uint16_t vk) override { return vk == 99; }
  int initialized = 0;
  std::pair<uint16_t, uint16_t> keys{};
};

TEST_F(ScreenTest, KeysComeFromTheKeyStateOrTheInputDevice) {
  auto screen = windowed();
  platform::keyState().clear();
  platform::keyState().keyDown(platform::VK_LEFT);
  EXPECT_TRUE(screen->KeyDown(platform::VK_LEFT));
  EXPECT_FALSE(screen->KeyDown(platform::VK_RIGHT));
  platform::keyState().clear();

  FakeInput input;
  screen->ZEZInput = &input;
  driver.activate(form);
  EXPECT_EQ(input.initialized, 1);
  screen->SetKeys(37, 39, 38, 40, 18, 17);
  EXPECT_EQ(input.keys, (std::pair<uint16_t, uint16_t>{37, 39}));
  EXPECT_EQ(screen->Keys.Fire1, 18);
  EXPECT_TRUE(screen->KeyDown(99));
  screen->Notification(&input);
  EXPECT_EQ(screen->ZEZInput, nullptr);
}

}  // namespace
