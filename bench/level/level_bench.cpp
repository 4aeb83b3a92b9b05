#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "tools/tqrun/level_run.h"

namespace {

// The largest level file of the default game's levels folder.
std::string largestLevel() {
  std::filesystem::path largest;
  std::uintmax_t size = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TQ_STAGE_DIR) + "/levels"))
    if (entry.path().extension() == ".tql" && entry.file_size() > size) {
      size = entry.file_size();
      largest = entry.path();
    }
  return largest.string();
}

// The largest level of the default game, read and built again and again.
void BM_BuildLargestLevel(benchmark::State& state) {
  TLevelRun run(TQ_STAGE_DIR);
  const std::string level = largestLevel();
  if (level.empty()) {
    state.SkipWithError("the default game has no level");
    return;
  }
  for (auto _ : state) run.StartLevel(level);
  state.SetLabel(std::filesystem::path(level).filename().string() + ", " +
                 std::to_string(run.Main().DXSprites->Sprites.Count()) + " sprites");
}
BENCHMARK(BM_BuildLargestLevel)->Unit(benchmark::kMillisecond);

// One level frame, drawing included, of a level of 2000 objects spread over 250 x 30 cells.
void BM_LevelFrame2000(benchmark::State& state) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "bench_level_2000.tql";
  {
    std::ofstream out(file, std::ios::binary);
    out << "[Options]\r\nImageLib=sprites\\game.iml\r\nWidth=250\r\nHeight=30\r\n[Sprites]\r\n0=0,1\r\n";
    const int kinds[] = {39, 41, 54, 240, 241, 49, 57, 246};
    for (int i = 0; i < 2000; ++i)
      out << (2 + 3 * (i / 250)) * 65536 + i % 250 << "=" << kinds[i % 8] << ",1\r\n";
  }
  TLevelRun run(TQ_STAGE_DIR);
  run.StartLevel(file.string());
  const std::vector<TKeyEvent> noKeys;
  for (auto _ : state) run.RunFrame(noKeys);
  // A frame of the map or the title would measure something else.
  if (!run.InLevel()) state.SkipWithError("the level ended during the benchmark");
  std::filesystem::remove(file);
}
BENCHMARK(BM_LevelFrame2000)->Unit(benchmark::kMillisecond);

}  // namespace
