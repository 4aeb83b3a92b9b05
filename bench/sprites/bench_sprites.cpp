// Moving and drawing a screenful of animated sprites, as a busy level frame does.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/core/random.h"

namespace {

// 2000 bouncing sprites of 16 x 16 with a looping four-frame animation, in a
// 320 x 240 back buffer of the given depth (32: a window; 8: full screen).
void BM_MoveDraw2000Sprites(benchmark::State& state) {
  const bool eightBit = state.range(0) == 8;
  platform::application().Reset();
  platform::fixRandomSeed(5);
  platform::HeadlessForm form(320, 240);
  TGKScreen screen(form, platform::application());
  screen.WindowMode = !eightBit;
  screen.DisplayMode = eightBit ? dm320x240x8 : dm640x480x32;
  screen.WinBufWidth = 320;
  screen.WinBufHeight = 240;
  form.activate();
  if (!screen.BackSurface) {
    state.SkipWithError("the screen did not start");
    return;
  }

  std::vector<uint16_t> frames;
  for (int i = 0; i < 4; ++i) {
    auto image = TGKSurface::CreateOffscreen(*screen.DirectDraw, 16, 16, 8);
    image->Erase(0);
    uint8_t* bits = image->Lock();
    const int bpp = image->Surface->bitsPerPixel() / 8;
    for (int y = 0; y < 16; ++y)  // a diamond: a quarter of the pixels are key-coloured
      for (int x = 0; x < 16; ++x)
        if (std::abs(x - 8) + std::abs(y - 8) < 10)
          for (int b = 0; b < bpp; ++b) bits[y * image->Pitch + x * bpp + b] = uint8_t(40 + i * 30);
    image->Unlock();
    image->SetColorKey(0);
    screen.ImageSurfaces.push_back(std::move(image));
    frames.push_back(uint16_t(i));
  }
  screen.ImageCount = 4;

  TGKSpriteMgr mgr;
  mgr.ZEZScreen = &screen;
  mgr.Animations.GetAnimation(mgr.Animations.Add("spin", true)).DefineAllSequences(0, frames);
  for (int i = 0; i < 2000; ++i)
    mgr.Sprites.AddBouncer(i, platform::Random(304), platform::Random(224), platform::Random(32),
                           0.5 + platform::Random(300) / 100.0, 0);

  for (auto _ : state) {
    mgr.MoveSprites();
    mgr.DrawSprites();
    benchmark::ClobberMemory();
  }
  platform::unfixRandomSeed();
  TGKSurface& back = *screen.BackSurface;
  const uint8_t* bits = back.Lock();
  bool drawn = false;
  for (int i = 0; bits && i < back.Pitch * back.Height && !drawn; ++i) drawn = bits[i] != 0;
  back.Unlock();
  if (!drawn) state.SkipWithError("no sprite reached the back buffer");
  state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_MoveDraw2000Sprites)->Arg(32)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace
