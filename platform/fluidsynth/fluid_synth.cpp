#include "platform/fluidsynth/fluid_synth.h"

#include "platform/sound/sound_mixer.h"

namespace platform {
namespace {

// The synthesiser's output gain. FluidSynth's own (0.2) leaves the default
// game's tunes 19-26 dB under its effects; this puts them within 10 dB, with
// the loudest tune's peaks still below full scale.
constexpr double kMusicGain = 1.25;

}  // namespace

FluidSynth::FluidSynth() {
  // FluidSynth's own messages would go to the terminal; failures are ours to tell.
  for (int level = 0; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", kMixRate);
  fluid_settings_setnum(settings_, "synth.gain", kMusicGain);
  synth_ = new_fluid_synth(settings_);
}

FluidSynth::~FluidSynth() {
  if (synth_) delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

bool FluidSynth::load(const std::string& soundFont) {
  return synth_ && fluid_synth_sfload(synth_, soundFont.c_str(), 1) != FLUID_FAILED;
}

void FluidSynth::midiEvent(const MidiEvent& e) {
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

void FluidSynth::allNotesOff() { fluid_synth_all_sounds_off(synth_, -1); }

void FluidSynth::reset() { fluid_synth_system_reset(synth_); }

void FluidSynth::renderInto(float* mix, size_t frames) {
  scratch_.resize(frames * 2);
  fluid_synth_write_float(synth_, int(frames), scratch_.data(), 0, 2, scratch_.data(), 1, 2);
  for (size_t i = 0; i < frames * 2; ++i) mix[i] += scratch_[i] * 32767.0f;
}

}  // namespace platform
