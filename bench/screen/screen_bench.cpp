// Blits and the present: the costs of every frame.
#include <benchmark/benchmark.h>

#include <memory>

#include "components/ZEZ/TGKSurface.h"
#include "platform/draw/frame_scaler.h"

namespace {

struct Display {
  explicit Display(int bits) { dd.setDesktopBits(bits); }
  platform::DirectDraw dd;
};

// A sprite with a transparent border and a solid middle, keyed 0.
std::unique_ptr<TGKSurface> sprite(platform::DirectDraw& dd, int w, int h) {
  auto s = TGKSurface::CreateOffscreen(dd, w, h, 8);
  s->Erase(0);
  s->Fill({w / 4, h / 4, w - w / 4, h - h / 4}, 7);
  s->SetColorKey(0);
  return s;
}

void BM_BlitKeyedSprite32(benchmark::State& state) {
  Display display(int(state.range(0)));
  auto back = TGKSurface::CreateOffscreen(display.dd, 320, 240, 8);
  auto s = sprite(display.dd, 32, 32);
  int x = 0;
  for (auto _ : state) {
    back->Draw(x, 100, *s, true);
    x = (x + 7) & 255;
  }
  benchmark::DoNotOptimize(back->Surface->data());
}
BENCHMARK(BM_BlitKeyedSprite32)->Arg(8)->Arg(32);

void BM_TileLayer320x240(benchmark::State& state) {
  Display display(int(state.range(0)));
  auto back = TGKSurface::CreateOffscreen(display.dd, 320, 240, 8);
  auto tile = sprite(display.dd, 16, 16);
  for (auto _ : state) {
    for (int y = 0; y < 240; y += 16)
      for (int x = 0; x < 320; x += 16) back->BlitClip(x, y, *tile, tile->Rect, true);
  }
  benchmark::DoNotOptimize(back->Surface->data());
}
BENCHMARK(BM_TileLayer320x240)->Arg(8)->Arg(32);

void BM_Present960x720(benchmark::State& state) {
  platform::DDSurface frame(320, 240, 8, nullptr);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) frame.data()[y * frame.pitch() + x] = uint8_t(x ^ y);
  platform::PALETTEENTRY palette[256];
  for (int i = 0; i < 256; ++i) palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
  platform::FrameView view{frame.data(), 320, 240, frame.pitch(), 8, palette};
  platform::FrameScaler scaler;
  for (auto _ : state) benchmark::DoNotOptimize(scaler.render(view, {0, 0, 320, 240}, 960, 720));
}
BENCHMARK(BM_Present960x720)->Unit(benchmark::kMillisecond);

}  // namespace
