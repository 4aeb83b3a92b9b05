#pragma once
// One sound of the audio component as a static DirectSound buffer, with play,
// replay, stop, volume, pan and position.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

#include "platform/sound/direct_sound.h"

// Failures of the audio component and its buffers, with their fixed texts.
class EGKAudio : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TGKSoundBuffer {
 public:
  // A static buffer with frequency, pan and volume control holding a copy of
  // size bytes of data in format. Throws EGKAudio "CreateSoundBuffer Failed" or
  // "DirectSoundSurface Lock Failed".
  TGKSoundBuffer(platform::DirectSound& directSound, const uint8_t* data, int32_t size,
                 const platform::WAVEFORMATEX& format);
  // Wraps a buffer made elsewhere (a duplicate).
  TGKSoundBuffer(std::unique_ptr<platform::DirectSoundBuffer> buffer, int32_t size, int channels,
                 int bitsPerSample);
  ~TGKSoundBuffer();
  TGKSoundBuffer(const TGKSoundBuffer&) = delete;
  TGKSoundBuffer& operator=(const TGKSoundBuffer&) = delete;

  std::unique_ptr<platform::DirectSoundBuffer> Buffer;
  // Called after a lost buffer was restored.
  std::function<void(TGKSoundBuffer& Buffer)> OnBufferLost;
  int32_t Size = 0;  // bytes of sound data
  int32_t Channels = 0;
  int32_t BitsPerSample = 0;

  // Plays once from the current position; goes on unchanged when already
  // playing. A lost buffer is restored instead and does not play. Other
  // failures: "Play Failed".
  void Play();
  // Stop, position 0, Play: the sound starts again from its beginning.
  void Replay();
  void Stop();                       // "Stop Failed"
  void SetVolume(int32_t volume);    // "SetVolume Failed"
  void SetPan(int32_t pan);          // "SetPan Failed"
  void SetPosition(int32_t bytes);   // "SetPosition Failed"
  int GetFrequency();                // "GetFrequency Failed"
  // Gives the buffer its memory back, then OnBufferLost(*this).
  void Restore();

  // A buffer that shares this one's samples with a cursor, volume, pan and
  // frequency of its own. Throws EGKAudio "DuplicateSoundBuffer Failed".
  std::unique_ptr<TGKSoundBuffer> Duplicate(platform::DirectSound& directSound) const;
};
