// The whole present of the game window: a 320x240 8-bit frame through its
// palette, scaled to 960x720 and copied into the image the window paints.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/draw/dd_surface.h"
#include "platform/qt/display/screen_window.h"

namespace {

QApplication& qtApplication() {
  static int argc = 1;
  static char name[] = "bench_screen_window";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the program ends right after the benchmarks.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

void BM_WindowPresent960x720(benchmark::State& state) {
  qtApplication();
  platform::qt::ScreenWindow window;
  window.resize(960, 720);
  platform::DDSurface frame(320, 240, 8, nullptr);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) frame.data()[y * frame.pitch() + x] = uint8_t(x ^ y);
  platform::PALETTEENTRY palette[256];
  for (int i = 0; i < 256; ++i) palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
  const platform::FrameView view{frame.data(), 320, 240, frame.pitch(), 8, palette};
  for (auto _ : state) {
    window.present(view, {0, 0, 320, 240}, {0, 0, 960, 720});
    benchmark::DoNotOptimize(window.shownFrame().constBits());
  }
}
BENCHMARK(BM_WindowPresent960x720)->Unit(benchmark::kMillisecond);

}  // namespace
