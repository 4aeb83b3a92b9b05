// The whole present of the game's window: a 320x240 8-bit frame handed to its
// view through the palette, then painted scaled to 960x720, as every frame is.
#include <benchmark/benchmark.h>

#include <QImage>

#include <filesystem>
#include <fstream>

#include "game/Hopz/hopz_window.h"
#include "platform/core/paths.h"
#include "platform/draw/dd_surface.h"
#include "platform/qt/display/qt_application.h"

namespace {

void qtApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_game_window";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the program ends right after the benchmarks.
  static auto* app = new platform::qt::TQApplication(argc, argv);
  (void)app;
}

// A program folder of a settings file only: the window in window mode.
void programFolder() {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "bench_game_window";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Hopz.ini", std::ios::binary)
      << "[DirectDraw]\r\nWindowMode=1\r\n[MainWindow]\r\nWidth=960\r\nHeight=720\r\n";
  platform::setProgramFolder(folder.string() + "/");
}

void BM_GameWindowPresent960x720(benchmark::State& state) {
  qtApplication();
  programFolder();
  THopzWindow window;
  auto& view = static_cast<THopzScreenView&>(*window.centralWidget());
  view.resize(960, 720);
  platform::DDSurface frame(320, 240, 8, nullptr);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) frame.data()[y * frame.pitch() + x] = uint8_t(x ^ y);
  platform::PALETTEENTRY palette[256];
  for (int i = 0; i < 256; ++i) palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
  const platform::FrameView view8{frame.data(), 320, 240, frame.pitch(), 8, palette};
  QImage painted(960, 720, QImage::Format_RGB32);
  for (auto _ : state) {
    view.present(view8, {0, 0, 320, 240}, {0, 0, 960, 720});
    view.render(&painted);
    benchmark::DoNotOptimize(painted.constBits());
  }
}
BENCHMARK(BM_GameWindowPresent960x720)->Unit(benchmark::kMillisecond);

}  // namespace
