#include "platform/sound/sound_mixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

void SampleStore::decode() {
  const size_t frameBytes = size_t(channels) * size_t(bytesPerSample);
  const size_t samples = frameBytes ? bytes.size() / frameBytes * size_t(channels) : 0;
  pcm.resize(samples);
  if (bytesPerSample == 1) {
    for (size_t i = 0; i < samples; ++i) pcm[i] = int16_t((int(bytes[i]) - 128) * 256);
  } else {
    for (size_t i = 0; i < samples; ++i)
      pcm[i] = int16_t(uint16_t(bytes[2 * i]) | uint16_t(bytes[2 * i + 1] << 8));
  }
}

float attenuationGain(int32_t hundredthsOfDecibel) {
  if (hundredthsOfDecibel <= -10000) return 0.0f;
  if (hundredthsOfDecibel >= 0) return 1.0f;
  return float(std::pow(10.0, hundredthsOfDecibel / 2000.0));
}

void SoundMixer::addVoice(std::shared_ptr<Voice> voice) {
  std::lock_guard<std::mutex> lock(voiceMutex_);
  voices_.push_back(std::move(voice));
}

void SoundMixer::removeVoice(const Voice* voice) {
  std::lock_guard<std::mutex> lock(voiceMutex_);
  std::erase_if(voices_, [voice](const std::shared_ptr<Voice>& v) { return v.get() == voice; });
}

void SoundMixer::addSource(MixerSource* source) {
  std::lock_guard<std::mutex> lock(sourceMutex_);
  if (std::find(sources_.begin(), sources_.end(), source) == sources_.end()) sources_.push_back(source);
}

void SoundMixer::removeSource(MixerSource* source) {
  std::lock_guard<std::mutex> lock(sourceMutex_);
  std::erase(sources_, source);
}

void SoundMixer::mixVoice(Voice& voice, float* acc, size_t frames) {
  const SampleStore& store = *voice.store;
  const uint64_t length = uint64_t(store.frames());
  if (length == 0) {
    voice.playing = false;
    voice.cursor = 0;
    return;
  }
  const uint64_t end = length << 32;
  const int16_t* pcm = store.pcm.data();
  const float gl = voice.gainLeft, gr = voice.gainRight;
  const bool audible = gl != 0.0f || gr != 0.0f;
  const bool stereo = store.channels == 2;
  constexpr float kFraction = 1.0f / 4294967296.0f;
  uint64_t cursor = voice.cursor;
  const uint64_t step = voice.step;

  for (size_t i = 0; i < frames; ++i) {
    if (audible) {
      const uint64_t index = cursor >> 32;
      // The frame after the last is the first again when looping, else itself.
      const uint64_t next = index + 1 < length ? index + 1 : (voice.looping ? 0 : index);
      const float t = float(uint32_t(cursor)) * kFraction;
      if (stereo) {
        const float l0 = pcm[2 * index], l1 = pcm[2 * next];
        const float r0 = pcm[2 * index + 1], r1 = pcm[2 * next + 1];
        acc[2 * i] += (l0 + (l1 - l0) * t) * gl;
        acc[2 * i + 1] += (r0 + (r1 - r0) * t) * gr;
      } else {
        const float s0 = pcm[index], s1 = pcm[next];
        const float s = s0 + (s1 - s0) * t;
        acc[2 * i] += s * gl;
        acc[2 * i + 1] += s * gr;
      }
    }
    cursor += step;
    if (cursor >= end) {
      if (voice.looping) {
        cursor %= end;
      } else {
        voice.playing = false;
        cursor = 0;
        break;
      }
    }
  }
  voice.cursor = cursor;
}

void SoundMixer::mix(int16_t* out, size_t frames) {
  std::lock_guard<std::mutex> consumer(mixMutex_);
  acc_.assign(frames * kMixChannels, 0.0f);
  {
    std::lock_guard<std::mutex> lock(voiceMutex_);
    for (const auto& voice : voices_)
      if (voice->playing && !voice->lost) mixVoice(*voice, acc_.data(), frames);
  }
  {
    std::lock_guard<std::mutex> lock(sourceMutex_);
    for (MixerSource* source : sources_) source->render(acc_.data(), frames);
  }
  for (size_t i = 0; i < frames * kMixChannels; ++i) {
    const float v = std::clamp(acc_[i], -32768.0f, 32767.0f);
    out[i] = int16_t(std::lrint(v));
  }
  framesMixed_ += frames;
}

SoundMixer& defaultMixer() {
  // Never destroyed: the sound device's thread may still be mixing while the
  // program exits (Qt can end it with exit() when the display goes away).
  static SoundMixer* const mixer = new SoundMixer;
  return *mixer;
}

}  // namespace platform
