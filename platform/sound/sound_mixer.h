#pragma once
// The software mixer behind our DirectSound: every playing buffer (a voice) and
// every added source (the music synthesiser) is mixed into 44100 Hz, 16-bit
// stereo. Whoever consumes the sound pulls it with mix(): the audio device's
// thread in the programs, a CaptureSink in tests, so a test hears exactly what
// the program would, deterministically and without a device.
//
// Threads: mix() runs on the audio thread; everything else is called from the
// main thread. Voice state is guarded by the mixer's voice lock (take it with
// lockVoices()), the source list by a lock of its own; a source's render() is
// called with only the source lock held.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

constexpr int kMixRate = 44100;
constexpr int kMixChannels = 2;

// The PCM bytes of one buffer, shared by the buffer and its duplicates, with
// their samples decoded to 16 bits for mixing.
struct SampleStore {
  int channels = 1;        // 1 or 2
  int bytesPerSample = 2;  // 1 (unsigned 8-bit) or 2 (signed 16-bit)
  std::vector<uint8_t> bytes;
  std::vector<int16_t> pcm;  // frames() * channels
  size_t frames() const { return channels ? pcm.size() / size_t(channels) : 0; }
  // Decodes bytes into pcm; a trailing partial frame is left out.
  void decode();
};

// One buffer's playing state. Read and written only under the voice lock.
struct Voice {
  std::shared_ptr<SampleStore> store;
  bool playing = false;
  bool looping = false;
  bool lost = false;
  uint64_t cursor = 0;      // source frames, 32.32 fixed point
  uint64_t step = 1ull << 32;  // source frames per output frame, 32.32
  float gainLeft = 1.0f, gainRight = 1.0f;
};

// Something that adds its own sound to the mix (the music synthesiser).
class MixerSource {
 public:
  virtual ~MixerSource() = default;
  // Adds frames of stereo sound into mix (interleaved left, right), in 16-bit
  // sample units (full scale +-32768). Called on the audio thread.
  virtual void render(float* mix, size_t frames) = 0;
};

class SoundMixer {
 public:
  SoundMixer() = default;
  SoundMixer(const SoundMixer&) = delete;
  SoundMixer& operator=(const SoundMixer&) = delete;

  // Voices: a buffer adds its voice when it is made and removes it when freed.
  void addVoice(std::shared_ptr<Voice> voice);
  void removeVoice(const Voice* voice);
  std::unique_lock<std::mutex> lockVoices() { return std::unique_lock<std::mutex>(voiceMutex_); }

  // Sources are not owned; a source removes itself before it is destroyed.
  void addSource(MixerSource* source);
  void removeSource(MixerSource* source);

  // Writes frames of interleaved 16-bit stereo: every playing voice and every
  // source, clipped. Voices that reach their end stop with their cursor at 0.
  void mix(int16_t* out, size_t frames);

  // Output frames mixed so far (the audio clock of this mixer).
  uint64_t framesMixed() const { return framesMixed_.load(); }

 private:
  void mixVoice(Voice& voice, float* acc, size_t frames);

  std::mutex voiceMutex_;
  std::vector<std::shared_ptr<Voice>> voices_;
  std::mutex sourceMutex_;
  std::vector<MixerSource*> sources_;
  std::mutex mixMutex_;      // one consumer at a time
  std::vector<float> acc_;  // used by mix() only
  std::atomic<uint64_t> framesMixed_{0};
};

// The program's one mixer: DirectSoundCreate attaches to it and the audio
// output pulls it.
SoundMixer& defaultMixer();

// Amplitude factor of an attenuation in hundredths of a decibel (0 = 1.0);
// -10000 and below are silence (0.0).
float attenuationGain(int32_t hundredthsOfDecibel);

}  // namespace platform
