// The mixer's cost: 16 buffers playing at once, as many as the game sounds at
// its busiest (effects plus the coin and brick duplicates).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/sound/direct_sound.h"

using namespace platform;

namespace {

std::unique_ptr<DirectSoundBuffer> loopingTone(DirectSound& ds, uint32_t rate, uint16_t channels, uint16_t bits,
                                               int index) {
  const WAVEFORMATEX format = pcmFormat(rate, channels, bits);
  DSBUFFERDESC desc;
  desc.dwFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
  desc.dwBufferBytes = rate / 2 * format.nBlockAlign;  // half a second
  desc.lpwfxFormat = &format;
  std::unique_ptr<DirectSoundBuffer> buffer;
  ds.CreateSoundBuffer(desc, buffer);
  void *p1, *p2;
  uint32_t n1, n2;
  buffer->Lock(0, desc.dwBufferBytes, &p1, &n1, &p2, &n2);
  auto* bytes = static_cast<uint8_t*>(p1);
  for (uint32_t i = 0; i < n1 / (bits / 8); ++i) {
    const double s = std::sin(i * 0.05 * (index + 1));
    if (bits == 8) bytes[i] = uint8_t(128 + 100 * s);
    else {
      const int16_t v = int16_t(8000 * s);
      std::memcpy(bytes + 2 * i, &v, 2);
    }
  }
  buffer->Unlock(p1, n1, p2, n2);
  buffer->SetVolume(-300 * (index % 4));
  buffer->SetPan(-5000 + 700 * index);
  buffer->Play(0, 0, DSBPLAY_LOOPING);
  return buffer;
}

void BM_Mix16VoicesOneSecond(benchmark::State& state) {
  SoundMixer mixer;
  DirectSound ds(mixer);
  ds.SetCooperativeLevel(nullptr, DSSCL_PRIORITY);
  std::vector<std::unique_ptr<DirectSoundBuffer>> voices;
  // A mix of what sound libraries hold: rates that need resampling, 8 and 16
  // bits, mono and stereo.
  const uint32_t rates[] = {22050, 44100, 11025, 32000};
  for (int i = 0; i < 16; ++i)
    voices.push_back(loopingTone(ds, rates[i % 4], i % 3 == 0 ? 2 : 1, i % 2 ? 8 : 16, i));
  // One second in the pieces an audio device asks for.
  constexpr size_t kPeriod = 1024;
  std::vector<int16_t> out(kPeriod * kMixChannels);
  for (auto _ : state) {
    for (size_t done = 0; done < size_t(kMixRate); done += kPeriod) {
      mixer.mix(out.data(), std::min(kPeriod, size_t(kMixRate) - done));
      benchmark::DoNotOptimize(out.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * kMixRate);
}
BENCHMARK(BM_Mix16VoicesOneSecond)->Unit(benchmark::kMillisecond);

}  // namespace
