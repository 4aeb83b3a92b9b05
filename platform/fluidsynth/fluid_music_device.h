#pragma once
// The sequencer device that sounds: our MIDI sequencer drives a FluidSynth
// synthesiser with a General MIDI SoundFont, rendered into the sound mixer on
// the audio thread, event by event at the exact frame. The position moves as
// the mixer is pulled, so a test that pulls it hears and times the music
// exactly. The audio thread only sets the completion flag.
#include <memory>
#include <mutex>
#include <string>

#include "platform/music/midi_sequencer.h"
#include "platform/music/music_device.h"
#include "platform/sound/sound_mixer.h"

namespace platform {

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

 private:
  class Synth;
  bool ensureSynth();  // on the thread that drives the device; takes mutex_ to set synth_

  SoundMixer& mixer_;
  std::string soundFontPath_;
  mutable std::mutex mutex_;
  std::unique_ptr<Synth> synth_;
  bool soundFontFailed_ = false;
  MidiSequencer sequencer_;
  bool open_ = false;
  bool playing_ = false;
  bool completed_ = false;
};

// Gives every music player created from now on a FluidSynth device on mixer.
void useFluidSynthMusic(SoundMixer& mixer, std::string soundFontPath = kDefaultSoundFont);

}  // namespace platform
