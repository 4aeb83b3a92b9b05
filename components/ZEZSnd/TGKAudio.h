#pragma once
// The audio component: owns the program's DirectSound object and one sound
// buffer per sound of its sound library. The game asks it for the buffer of a
// sound effect by index and replays it.
//
// The audio starts once per run: the screen calls StartDirectSound at every
// activation of its window, and only the first call does anything.
#include <functional>
#include <memory>
#include <vector>

#include "components/ZEZ/ZEZSeams.h"
#include "components/ZEZSnd/TGKSoundBuffer.h"
#include "components/gkslib/TGKSoundLib.h"
#include "platform/sound/direct_sound.h"

class TGKAudio : public TGKScreenAudio {
 public:
  // mixer: where the sound goes (the program's default mixer when null).
  explicit TGKAudio(platform::SoundMixer* mixer = nullptr);
  ~TGKAudio() override;
  TGKAudio(const TGKAudio&) = delete;
  TGKAudio& operator=(const TGKAudio&) = delete;

  std::unique_ptr<platform::DirectSound> DirectSound;  // null until started
  std::unique_ptr<platform::DirectSoundBuffer> PrimaryBuffer;
  // Fired after the buffers were built at the start (not without a library).
  std::function<void(TGKAudio& Sender)> OnInitialize;
  int Tag = 0;  // free for the program

  TGKSoundLib* GetSoundLibrary() const { return soundLibrary_; }
  // Frees the buffers, attaches the library (null detaches) and, once started,
  // builds its buffers.
  void SetSoundLibrary(TGKSoundLib* library);

  // After the owner was created: without a screen on the owner the audio
  // starts at once; with one, the screen starts it after its own start.
  void Loaded(bool ownerHasScreen);
  // Creates DirectSound with the priority level and the primary buffer in
  // 44100 Hz 16-bit stereo, builds the buffers of the library and fires
  // OnInitialize. Once started, later calls do nothing. Throws EGKAudio
  // "Failed to Create DirectSound" or "Failed to set directsound copoperative
  // level".
  void StartDirectSound() override;
  bool Started() const { return DirectSound != nullptr; }

  // The buffer of sound index. Throws EGKAudio "A library must be assigned to
  // SoundLibrary" when there are no buffers and a clear message for an index
  // outside them. Carries out a rebuild that a lost buffer asked for first.
  TGKSoundBuffer* GetSound(int index);
  int BufferCount() const { return int(buffers_.size()); }

  // A duplicate of sound index that can sound at the same time as it, owned by
  // this component. It stays valid when the buffers are rebuilt after a loss
  // (it then shares the new buffer's samples); FreeBuffers frees it.
  TGKSoundBuffer* DuplicateSound(int index);

  // One buffer per sound of the library, with the sound's pan and volume; then
  // a file-loaded library gives up its samples (the buffers hold them now and
  // the file can be read again). A failure leaves no buffers and the library
  // untouched.
  void CreateBuffers();
  void FreeBuffers();
  // Frees and rebuilds every buffer, from the library's file when it has one.
  void RestoreBuffers();
  // True between a buffer reporting its loss and the rebuild, which waits until
  // the call that found the loss has returned (the next GetSound or
  // DuplicateSound, or RunPendingRestore).
  bool RestorePending() const { return restorePending_; }
  void RunPendingRestore();

 private:
  struct Duplicate {
    int index;
    std::unique_ptr<TGKSoundBuffer> buffer;
  };
  void BufferLost(TGKSoundBuffer& buffer);
  void DetachLibrary();
  std::vector<std::unique_ptr<TGKSoundBuffer>> BuildBuffers();
  void RefreshDuplicates();

  platform::SoundMixer* mixer_;
  TGKSoundLib* soundLibrary_ = nullptr;
  int libraryNotification_ = 0;
  std::vector<std::unique_ptr<TGKSoundBuffer>> buffers_;
  std::vector<Duplicate> duplicates_;
  bool restorePending_ = false;
};
