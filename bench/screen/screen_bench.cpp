// Blits: the costs of every frame (the present is bench_game_window's).
#include <benchmark/benchmark.h>

#include <memory>

#include "components/ZEZ/TGKSurface.h"

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

}  // namespace
