#pragma once
// The sequencer device that sounds: our MIDI sequencer drives a FluidSynth
// synthesiser with a General MIDI SoundFont, rendered into the sound mixer on
// the audio thread, event by event at the exact frame. The position moves as
// the mixer is pulled, so a test that pulls it hears and times the music
// exactly. The audio thread sets the completion flag; the notice is the main
// loop's to deliver.
//
// Threads: a pull of the synthesiser holds the render lock, and so do the
// commands that change what plays (open, close, play, stop, seek). What the
// main loop reads every frame (completion, position, mode, length) is
// published by them and read without the lock: the frame never waits for the
// synthesiser. A pull's work is bounded by its frames (MidiSequencer::advance).
#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "platform/music/midi_sequencer.h"
#include "platform/music/music_device.h"
#include "platform/sound/sound_mixer.h"

namespace platform {

class FluidSynth;

// Debian's General MIDI SoundFont (package timgm6mb-soundfont).
constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class FluidMusicDevice final : public MusicDevice, public MixerSource {
 public:
  FluidMusicDevice(SoundMixer& mixer, std::string soundFontPath = kDefaultSoundFont);
  ~FluidMusicDevice() override;

  // False also when the SoundFont cannot be loaded (the device stays silent).
  bool open(const std::string& path) override;
  void close() override;
  bool isOpen() const override;
  void play() override;
  void stop() override;
  void seek(int position) override;
  int position() override;
  int length() override;
  MusicMode mode() override;
  bool takeCompletion() override;

  void render(float* mix, size_t frames) override;

  // Holds the render lock, as a pull does, for as long as the lock is kept.
  std::unique_lock<std::mutex> lockRender() { return std::unique_lock<std::mutex>(mutex_); }

 private:
  bool ensureSynth();  // on the thread that drives the device; takes mutex_ to set synth_

  SoundMixer& mixer_;
  std::string soundFontPath_;
  std::mutex mutex_;  // the render lock: synth_ and sequencer_
  std::unique_ptr<FluidSynth> synth_;
  bool soundFontFailed_ = false;
  MidiSequencer sequencer_;
  // Written on the main thread only (under the lock, which the audio thread
  // reads open_ with), so the main thread reads them as they are.
  bool open_ = false;
  int length_ = 0;
  // Published for the main thread's readers.
  std::atomic<bool> playing_{false};
  std::atomic<bool> completed_{false};
  std::atomic<int> position_{0};
};

// Gives every music player created from now on a FluidSynth device on mixer.
void useFluidSynthMusic(SoundMixer& mixer, std::string soundFontPath = kDefaultSoundFont);

}  // namespace platform
