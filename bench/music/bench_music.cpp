// Opening a MIDI file of a long tempo map: as many tempo changes as events,
// each event timed through the map. The cost grows with the file, not with
// events times tempo changes. And what the audio thread does with a hostile
// tune: the pull of a tick crowded with notes, and a loop's seek past many
// program changes, each bounded by the sound, not by the file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/fluidsynth/fluid_music_device.h"
#include "platform/music/silent_music_device.h"
#include "tests/support/stall_inputs.h"

namespace {

std::string writeMidi(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / ("bench_" + name + ".mid");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path.string();
}

void openEachIteration(benchmark::State& state, platform::MusicDevice& device) {
  const int events = int(state.range(0));
  const std::string file =
      writeMidi("tempo_map_" + std::to_string(events), stallinputs::tempoMapMidi(events, events));
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

// A sounding device open on a generated file, or the reason it is not.
std::unique_ptr<platform::FluidMusicDevice> openFluid(benchmark::State& state, platform::SoundMixer& mixer,
                                                      const std::string& file) {
  if (!std::filesystem::exists(platform::kDefaultSoundFont)) {
    state.SkipWithError("no SoundFont");
    return nullptr;
  }
  auto device = std::make_unique<platform::FluidMusicDevice>(mixer);
  if (!device->open(file)) {
    state.SkipWithError("the file did not open");
    return nullptr;
  }
  return device;
}

// The first 10 ms pull of a tune whose first tick holds range(0) note-ons
// (3 bytes each): what the audio thread, and the lock, are held for.
void BM_PullOneTickOfNotes(benchmark::State& state) {
  const int notes = int(state.range(0));
  const std::string file = writeMidi("one_tick_" + std::to_string(notes), stallinputs::oneTickMidi(notes));
  platform::SoundMixer mixer;
  auto device = openFluid(state, mixer, file);
  std::vector<int16_t> out(441 * platform::kMixChannels);
  if (device) {
    for (auto _ : state) {
      state.PauseTiming();
      device->seek(0);
      device->play();
      state.ResumeTiming();
      mixer.mix(out.data(), 441);
    }
  }
  state.counters["bytes"] = double(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_PullOneTickOfNotes)->Arg(85000)->Arg(340000)->Unit(benchmark::kMillisecond);

// A loop's seek to 32 past range(0) program changes (2 bytes each), under the
// lock the audio thread takes.
void BM_LoopSeekPastProgramChanges(benchmark::State& state) {
  const int changes = int(state.range(0));
  const std::string file =
      writeMidi("program_changes_" + std::to_string(changes), stallinputs::programChangesMidi(changes));
  platform::SoundMixer mixer;
  auto device = openFluid(state, mixer, file);
  if (device) {
    for (auto _ : state) device->seek(32);
  }
  state.counters["bytes"] = double(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_LoopSeekPastProgramChanges)->Arg(128000)->Arg(512000)->Unit(benchmark::kMillisecond);

}  // namespace
