#include "platform/fluidsynth/fluid_music_device.h"

#include <exception>
#include <utility>

#include "platform/fluidsynth/fluid_synth.h"

namespace platform {

FluidMusicDevice::FluidMusicDevice(SoundMixer& mixer, std::string soundFontPath)
    : mixer_(mixer), soundFontPath_(std::move(soundFontPath)) {
  mixer_.addSource(this);
}

FluidMusicDevice::~FluidMusicDevice() { mixer_.removeSource(this); }

// The SoundFont is read before the lock is taken: the audio thread waits on it.
bool FluidMusicDevice::ensureSynth() {
  if (synth_) return true;
  if (soundFontFailed_) return false;
  auto synth = std::make_unique<FluidSynth>();
  if (!synth->load(soundFontPath_)) {
    soundFontFailed_ = true;
    return false;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  synth_ = std::move(synth);
  return true;
}

bool FluidMusicDevice::open(const std::string& path) {
  close();
  // Read and timed before the lock is taken, and only swapped in under it: the
  // audio thread waits on the lock, and every sound with it.
  MidiSequencer sequencer;
  try {
    sequencer = MidiSequencer(readMidiFile(path));
  } catch (const std::exception&) {  // any file that cannot be read and parsed: no music
    return false;
  }
  if (!ensureSynth()) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  synth_->allNotesOff();
  synth_->reset();
  sequencer_ = std::move(sequencer);
  length_ = sequencer_.length();
  position_ = sequencer_.position();
  open_ = true;
  return true;
}

void FluidMusicDevice::close() {
  std::lock_guard<std::mutex> lock(mutex_);
  open_ = playing_ = completed_ = false;
  length_ = position_ = 0;
  sequencer_ = MidiSequencer();
  if (synth_) synth_->allNotesOff();
}

bool FluidMusicDevice::isOpen() const { return open_; }

void FluidMusicDevice::play() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!open_ || playing_) return;
  playing_ = true;
  // A piece already at its end completes at the next render.
}

void FluidMusicDevice::stop() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!playing_) return;
  playing_ = false;
  synth_->allNotesOff();
}

void FluidMusicDevice::seek(int position) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!open_) return;
  playing_ = false;
  sequencer_.seek(position, *synth_);
  position_ = sequencer_.position();
}

int FluidMusicDevice::position() { return position_; }

int FluidMusicDevice::length() { return length_; }

MusicMode FluidMusicDevice::mode() {
  if (!open_) return MusicMode::NotReady;
  return playing_ ? MusicMode::Playing : MusicMode::Stopped;
}

bool FluidMusicDevice::takeCompletion() { return completed_.exchange(false); }

void FluidMusicDevice::render(float* mix, size_t frames) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!open_ || !synth_) return;
  size_t done = 0;
  if (playing_) {
    sequencer_.advance(frames, *synth_, [&](size_t n) {
      synth_->renderInto(mix + 2 * done, n);
      done += n;
    });
    position_ = sequencer_.position();
    if (sequencer_.atEnd()) {
      playing_ = false;
      completed_ = true;  // the main loop's poll delivers the notice
      // Notes the file left on are released at the end of the piece.
      for (uint8_t channel = 0; channel < 16; ++channel) synth_->midiEvent({0, uint8_t(0xB0 | channel), 123, 0});
    }
  }
  // Release tails, and silence while stopped.
  if (done < frames) synth_->renderInto(mix + 2 * done, frames - done);
}

void useFluidSynthMusic(SoundMixer& mixer, std::string soundFontPath) {
  setMusicDeviceFactory([&mixer, soundFontPath] {
    return std::make_unique<FluidMusicDevice>(mixer, soundFontPath);
  });
}

}  // namespace platform
