#include "platform/fluidsynth/fluid_music_device.h"

#include <fluidsynth.h>

#include <exception>
#include <utility>
#include <vector>

namespace platform {
namespace {

// The synthesiser's output gain. FluidSynth's own (0.2) leaves the default
// game's tunes 20-26 dB under its effects; this puts them within 10 dB, with
// the loudest tune's peaks still below full scale.
constexpr double kMusicGain = 1.25;

}  // namespace

// One FluidSynth synthesiser with the SoundFont loaded, taking our events.
class FluidMusicDevice::Synth final : public MidiSynth {
 public:
  Synth() {
    // FluidSynth's own messages would go to the terminal; failures are ours to tell.
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", kMixRate);
    fluid_settings_setnum(settings_, "synth.gain", kMusicGain);
    synth_ = new_fluid_synth(settings_);
  }
  ~Synth() override {
    if (synth_) delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
  }
  Synth(const Synth&) = delete;
  Synth& operator=(const Synth&) = delete;

  bool load(const std::string& soundFont) {
    return synth_ && fluid_synth_sfload(synth_, soundFont.c_str(), 1) != FLUID_FAILED;
  }

  void midiEvent(const MidiEvent& e) override {
    const int ch = e.channel();
    switch (e.type()) {
      case 0x80:
        fluid_synth_noteoff(synth_, ch, e.data1);
        break;
      case 0x90:
        if (e.data2 == 0) fluid_synth_noteoff(synth_, ch, e.data1);
        else fluid_synth_noteon(synth_, ch, e.data1, e.data2);
        break;
      case 0xA0:
        fluid_synth_key_pressure(synth_, ch, e.data1, e.data2);
        break;
      case 0xB0:
        fluid_synth_cc(synth_, ch, e.data1, e.data2);
        break;
      case 0xC0:
        fluid_synth_program_change(synth_, ch, e.data1);
        break;
      case 0xD0:
        fluid_synth_channel_pressure(synth_, ch, e.data1);
        break;
      case 0xE0:
        fluid_synth_pitch_bend(synth_, ch, e.data1 | (e.data2 << 7));
        break;
      default:
        break;
    }
  }
  void allNotesOff() override { fluid_synth_all_sounds_off(synth_, -1); }
  void reset() override { fluid_synth_system_reset(synth_); }

  // Adds frames of the synthesiser's output into mix at 16-bit scale.
  void renderInto(float* mix, size_t frames) {
    scratch_.resize(frames * 2);
    fluid_synth_write_float(synth_, int(frames), scratch_.data(), 0, 2, scratch_.data(), 1, 2);
    for (size_t i = 0; i < frames * 2; ++i) mix[i] += scratch_[i] * 32767.0f;
  }

 private:
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  std::vector<float> scratch_;
};

FluidMusicDevice::FluidMusicDevice(SoundMixer& mixer, std::string soundFontPath)
    : mixer_(mixer), soundFontPath_(std::move(soundFontPath)) {
  mixer_.addSource(this);
}

FluidMusicDevice::~FluidMusicDevice() { mixer_.removeSource(this); }

// The SoundFont is read before the lock is taken: the audio thread waits on it.
bool FluidMusicDevice::ensureSynth() {
  if (synth_) return true;
  if (soundFontFailed_) return false;
  auto synth = std::make_unique<Synth>();
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
