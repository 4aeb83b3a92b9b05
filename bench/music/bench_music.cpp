// Opening a MIDI file of a long tempo map: as many tempo changes as events,
// each event timed through the map. The cost grows with the file, not with
// events times tempo changes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "platform/fluidsynth/fluid_music_device.h"
#include "platform/music/silent_music_device.h"
#include "tests/support/stall_inputs.h"

namespace {

std::string writeTempoMap(int events) {
  const std::vector<uint8_t> bytes = stallinputs::tempoMapMidi(events, events);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("bench_tempo_map_" + std::to_string(events) + ".mid");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path.string();
}

void openEachIteration(benchmark::State& state, platform::MusicDevice& device) {
  const std::string file = writeTempoMap(int(state.range(0)));
  for (auto _ : state) {
    if (!device.open(file)) state.SkipWithError("the file did not open");
    benchmark::DoNotOptimize(device.length());
  }
  state.counters["bytes"] = double(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}

void BM_OpenTempoMapMidi(benchmark::State& state) {
  platform::SilentMusicDevice device;
  openEachIteration(state, device);
}
BENCHMARK(BM_OpenTempoMapMidi)->Arg(10000)->Arg(40000)->Arg(160000)->Unit(benchmark::kMillisecond);

// The sounding device: the same reading, outside the lock the audio thread takes.
void BM_OpenTempoMapMidiFluidSynth(benchmark::State& state) {
  if (!std::filesystem::exists(platform::kDefaultSoundFont)) {
    state.SkipWithError("no SoundFont");
    return;
  }
  platform::SoundMixer mixer;
  platform::FluidMusicDevice device(mixer);
  openEachIteration(state, device);
}
BENCHMARK(BM_OpenTempoMapMidiFluidSynth)->Arg(10000)->Arg(40000)->Arg(160000)->Unit(benchmark::kMillisecond);

}  // namespace
