#pragma once
// Our DirectSound: a device object, a primary buffer that only holds the output
// format (the mixer's 44100 Hz, 16-bit stereo), and static secondary buffers
// made from a wave format and PCM bytes (8-bit unsigned or 16-bit signed, mono
// or stereo, any rate; resampled when mixed), with volume, pan, frequency,
// play once or looping, stop, cursor position and duplicates that share the
// samples. Call from the main thread; the mixer plays them on the audio thread.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/sound/ds_types.h"
#include "platform/sound/sound_mixer.h"

namespace platform {

// Results that the next calls return instead of succeeding; tests inject faults
// here. All DS_OK unless set.
struct DirectSoundFaults {
  HRESULT create = DS_OK;            // DirectSoundCreate
  HRESULT cooperativeLevel = DS_OK;  // SetCooperativeLevel
  HRESULT primaryBuffer = DS_OK;     // CreateSoundBuffer of the primary buffer
  HRESULT secondaryBuffer = DS_OK;   // CreateSoundBuffer of a static buffer ...
  int secondaryBufferAfter = 0;      // ... once this many more have been made
  HRESULT lock = DS_OK;              // Lock
};
DirectSoundFaults& directSoundFaults();

class DirectSound;

class DirectSoundBuffer {
 public:
  ~DirectSoundBuffer();
  DirectSoundBuffer(const DirectSoundBuffer&) = delete;
  DirectSoundBuffer& operator=(const DirectSoundBuffer&) = delete;

  bool isPrimary() const { return primary_; }
  uint32_t flags() const { return flags_; }
  const WAVEFORMATEX& format() const { return format_; }
  uint32_t size() const { return size_; }

  // The primary buffer only: the output format. Ours mixes 44100 Hz, 16-bit
  // stereo and accepts only that (DSERR_BADFORMAT otherwise).
  HRESULT SetFormat(const WAVEFORMATEX& format);
  HRESULT GetFormat(WAVEFORMATEX& format) const;

  // Gives the region [offset, offset + bytes) of the buffer, wrapping at its end
  // into a second part; what is written there takes effect at Unlock.
  HRESULT Lock(uint32_t offset, uint32_t bytes, void** part1, uint32_t* bytes1, void** part2,
               uint32_t* bytes2);
  HRESULT Unlock(void* part1, uint32_t bytes1, void* part2, uint32_t bytes2);

  // Plays from the play cursor, once or with DSBPLAY_LOOPING; a buffer that is
  // already playing goes on as it is. A lost buffer answers DSERR_BUFFERLOST.
  HRESULT Play(uint32_t reserved, uint32_t priority, uint32_t flags);
  // Stops; the cursor stays where it is.
  HRESULT Stop();
  HRESULT GetStatus(uint32_t& status) const;
  // In bytes from the start; the write cursor equals the play cursor here.
  HRESULT GetCurrentPosition(uint32_t* play, uint32_t* write) const;
  // Moves the play cursor (also while playing); rounded down to a whole frame.
  HRESULT SetCurrentPosition(uint32_t bytes);
  // Hundredths of a decibel, DSBVOLUME_MIN .. DSBVOLUME_MAX.
  HRESULT SetVolume(int32_t volume);
  HRESULT GetVolume(int32_t& volume) const;
  // DSBPAN_LEFT .. DSBPAN_RIGHT: the other side is attenuated by |pan|.
  HRESULT SetPan(int32_t pan);
  HRESULT GetPan(int32_t& pan) const;
  // Samples per second the buffer plays at; DSBFREQUENCY_ORIGINAL restores the
  // format's rate.
  HRESULT SetFrequency(uint32_t frequency);
  HRESULT GetFrequency(uint32_t& frequency) const;
  // Gives a lost buffer back its memory (the samples are kept here).
  HRESULT Restore();

 private:
  friend class DirectSound;
  DirectSoundBuffer(SoundMixer& mixer, bool primary, uint32_t flags, const WAVEFORMATEX& format,
                    uint32_t size, std::shared_ptr<SampleStore> store);
  void updateGains();  // under the voice lock
  void updateStep();   // under the voice lock

  SoundMixer& mixer_;
  bool primary_;
  uint32_t flags_;
  WAVEFORMATEX format_;
  uint32_t size_;
  std::shared_ptr<Voice> voice_;  // null for the primary buffer
  int32_t volume_ = 0, pan_ = 0;
  uint32_t frequency_ = 0;
  std::vector<uint8_t> lockCopy_;  // the region handed out by Lock
  bool locked_ = false;
};

class DirectSound {
 public:
  explicit DirectSound(SoundMixer& mixer);
  ~DirectSound();
  DirectSound(const DirectSound&) = delete;
  DirectSound& operator=(const DirectSound&) = delete;

  // window stands for the window handle; only the level is kept.
  HRESULT SetCooperativeLevel(const void* window, uint32_t level);
  uint32_t cooperativeLevel() const { return level_; }

  // A primary buffer (DSBCAPS_PRIMARYBUFFER, no size, no format) or a static
  // buffer of desc.dwBufferBytes bytes in desc.lpwfxFormat, silent until filled.
  HRESULT CreateSoundBuffer(const DSBUFFERDESC& desc, std::unique_ptr<DirectSoundBuffer>& out);
  // A buffer that shares the original's samples, with its own cursor (at 0,
  // stopped) and its own volume, pan and frequency (at first the original's).
  HRESULT DuplicateSoundBuffer(const DirectSoundBuffer& original, std::unique_ptr<DirectSoundBuffer>& out);

  // Stands for the device being taken away: every buffer of this object stops
  // and is lost until restored.
  void loseBuffers();

  SoundMixer& mixer() { return mixer_; }

 private:
  SoundMixer& mixer_;
  uint32_t level_ = 0;
  std::vector<std::weak_ptr<Voice>> voices_;
};

// A device object on the default mixer, or on the given one.
HRESULT DirectSoundCreate(std::unique_ptr<DirectSound>& out, SoundMixer* mixer = nullptr);

}  // namespace platform
