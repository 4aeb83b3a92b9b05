#pragma once
// One FluidSynth synthesiser at the mixer's rate and the music's gain, taking
// our MIDI events and adding its output into the mix.
#include <fluidsynth.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/music/midi_sequencer.h"

namespace platform {

class FluidSynth final : public MidiSynth {
 public:
  FluidSynth();
  ~FluidSynth() override;
  FluidSynth(const FluidSynth&) = delete;
  FluidSynth& operator=(const FluidSynth&) = delete;

  bool load(const std::string& soundFont);

  void midiEvent(const MidiEvent& e) override;
  void allNotesOff() override;
  void reset() override;

  // Adds frames of the synthesiser's output into mix at 16-bit scale.
  void renderInto(float* mix, size_t frames);

  // The synthesiser itself, for reading its state.
  fluid_synth_t* handle() const { return synth_; }

 private:
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  std::vector<float> scratch_;
};

}  // namespace platform
