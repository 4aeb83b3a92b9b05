#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "components/gkspts/sprite_mgr.h"
#include "editor/Docs/document_io.h"
#include "game/Game/level_state.h"
#include "game/Map/world_map.h"
#include "game/frmMain/frmMain.h"
#include "tools/tqrun/level_run.h"

namespace fs = std::filesystem;

namespace {

std::string key(int row, int column) { return std::to_string(row * 65536 + column); }

// A level of about `objects` object lines over 15 rows: two rows of ground
// under every column, a coin over every fourth column, a brick or bonus block
// over every fourth other one and a walker every sixteenth column. Sprite
// coordinates are 16 bits, so every 4096 columns the level lies over its start
// again: no walker stands in the first 64 columns of those, so that none
// reaches the standing player.
fs::path writeLevel(int objects) {
  const int columns = objects * 16 / 41;  // 2 + 1/4 + 1/4 + 1/16 objects a column
  const fs::path file = fs::temp_directory_path() / ("bench_large_level_" + std::to_string(objects) + ".tql");
  std::ofstream out(file, std::ios::binary);
  out << "[Options]\r\nTime=999\r\nWidth=" << columns << "\r\nHeight=15\r\nResFactor=16\r\n"
      << "ImageLib=sprites\\game.iml\r\nSoundLib=sounds\\game.sdl\r\n[Sprites]\r\n"
      << key(11, 2) << "=0,1\r\n";
  for (int c = 0; c < columns; ++c) {
    out << key(13, c) << "=7,1\r\n" << key(14, c) << "=7,1\r\n";
    if (c % 4 == 0) out << key(8, c) << "=49,1\r\n";
    if (c % 4 == 2) out << key(9, c) << (c % 8 == 2 ? "=39,1\r\n" : "=41,1\r\n");
    if (c % 16 == 5 && c % 4096 >= 64) out << key(12, c) << "=54,1\r\n";
  }
  return file;
}

// A world map of about `objects` object lines over 13 rows: paths on every
// other row, a level node linked to the first level every eighth cell of them,
// vertical paths between the rows and a wandering enemy every 512th path.
fs::path writeWorld(int objects) {
  const int columns = objects / 8;  // 6 path rows and 2 in 8 columns of links between them
  const fs::path file = fs::temp_directory_path() / ("bench_large_world_" + std::to_string(objects) + ".tqw");
  std::ofstream out(file, std::ios::binary);
  out << "[Options]\r\nName=BANCO\r\nShortName=B\r\nInitialInfo=0\r\nWidth=" << columns
      << "\r\nHeight=13\r\nResFactor=16\r\nImageLib=sprites\\map.iml\r\nSoundLib=sounds\\game.sdl\r\n[Sprites]\r\n"
      << key(2, 1) << "=3,1\r\n";
  int paths = 0;
  for (int row = 2; row <= 12; row += 2)
    for (int c = 2; c < columns; ++c) {
      if (c % 8 == 0)
        out << key(row, c) << "=4,1,levels\\1-1.tql,0,0\r\n";
      else
        out << key(row, c) << "=22,1" << (++paths % 512 == 0 ? ",1" : "") << "\r\n";
    }
  for (int row = 3; row <= 11; row += 2)
    for (int c = 4; c < columns; c += 4) out << key(row, c) << "=24,1\r\n";
  return file;
}

void sizes(benchmark::internal::Benchmark* b) { b->Arg(2000)->Arg(8000)->Arg(32000); }

void label(benchmark::State& state, int sprites) {
  state.SetLabel(std::to_string(sprites) + " sprites");
}

// Reading and building a level as the game does on entering it, after a death
// or on a restart.
void BM_BuildLevel(benchmark::State& state) {
  const fs::path file = writeLevel(int(state.range(0)));
  TLevelRun run(TQ_STAGE_DIR);
  for (auto _ : state) run.StartLevel(file.string());
  label(state, run.Main().DXSprites->Sprites.Count());
  fs::remove(file);
}
BENCHMARK(BM_BuildLevel)->Apply(sizes)->Unit(benchmark::kMillisecond);

// Reading and building a world map as the game does on each return to it.
void BM_BuildWorldMap(benchmark::State& state) {
  const fs::path file = writeWorld(int(state.range(0)));
  TLevelRun run(TQ_STAGE_DIR);
  for (auto _ : state) OpenWorldFile(file.string());
  label(state, run.Main().DXSprites->Sprites.Count());
  if (run.Main().ScreenState() != ssWorldMap) state.SkipWithError("the world map was not built");
  fs::remove(file);
}
BENCHMARK(BM_BuildWorldMap)->Apply(sizes)->Unit(benchmark::kMillisecond);

// The same after a saved state that names as many ended nodes as it may (65,536):
// each node is looked up among them.
void BM_BuildWorldMapAfterManyEndedNodes(benchmark::State& state) {
  const fs::path file = writeWorld(int(state.range(0)));
  TLevelRun run(TQ_STAGE_DIR);
  for (int i = 0; i < 65536; ++i) run.Main().EndedNodes.push_back(std::to_string(100000 + i));
  for (auto _ : state) OpenWorldFile(file.string());
  label(state, run.Main().DXSprites->Sprites.Count());
  if (run.Main().ScreenState() != ssWorldMap) state.SkipWithError("the world map was not built");
  fs::remove(file);
}
BENCHMARK(BM_BuildWorldMapAfterManyEndedNodes)->Apply(sizes)->Unit(benchmark::kMillisecond);

// The editor opening a level document.
void BM_ReadDocument(benchmark::State& state) {
  const fs::path file = writeLevel(int(state.range(0)));
  size_t objects = 0;
  for (auto _ : state) objects = LoadDocument(file.string()).Objects.size();
  state.SetLabel(std::to_string(objects) + " objects");
  fs::remove(file);
}
BENCHMARK(BM_ReadDocument)->Apply(sizes)->Unit(benchmark::kMillisecond);

// The editor saving a level document over its file.
void BM_WriteDocument(benchmark::State& state) {
  const fs::path file = writeLevel(int(state.range(0)));
  TDocument doc = LoadDocument(file.string());
  for (auto _ : state) WriteDocument(doc);
  state.SetLabel(std::to_string(doc.Objects.size()) + " objects");
  fs::remove(file);
}
BENCHMARK(BM_WriteDocument)->Apply(sizes)->Unit(benchmark::kMillisecond);

// One level frame, drawing included, the player standing at the start.
void BM_LevelFrame(benchmark::State& state) {
  const fs::path file = writeLevel(int(state.range(0)));
  TLevelRun run(TQ_STAGE_DIR);
  run.StartLevel(file.string());
  const std::vector<TKeyEvent> noKeys;
  for (auto _ : state) run.RunFrame(noKeys);
  // A frame of the map or the title would measure something else.
  if (!run.InLevel()) state.SkipWithError("the level ended during the benchmark");
  label(state, run.Main().DXSprites->Sprites.Count());
  fs::remove(file);
}
BENCHMARK(BM_LevelFrame)->Apply(sizes)->Unit(benchmark::kMillisecond);

}  // namespace
