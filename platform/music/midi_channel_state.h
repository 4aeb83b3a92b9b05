#pragma once
// What a MIDI file's earlier events leave in force on its channels: the
// program (with the bank it was chosen from), each controller, the pitch bend
// and the data entered for each registered or non-registered parameter. A
// seek sends this state instead of every earlier event, so what it sends is
// bounded by the channels' state, not by the file.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/music/midi_file.h"

namespace platform {

class MidiChannelStates {
 public:
  // Distinct parameters whose data entry one channel keeps; data entered for
  // further ones is not replayed.
  static constexpr int kMaxParameters = 16;

  // Takes the event, the index-th of the song, into the state (only
  // controllers, programs and pitch bends count; others are ignored).
  void apply(const MidiEvent& event, uint32_t index);
  // The events that restore the state on a synthesiser just reset, in the
  // order their originals came in the song.
  std::vector<MidiEvent> events() const;

 private:
  static constexpr int kUnset = -1;
  // A parameter chosen by controllers 101/100 (registered) or 99/98, and the
  // data entered for it by controllers 6, 38, 96 and 97.
  struct Parameter {
    bool nonRegistered = false;
    int16_t msb = kUnset, lsb = kUnset;
    std::array<int32_t, 4> index{kUnset, kUnset, kUnset, kUnset};  // per data controller
    std::array<uint8_t, 4> value{};
  };
  struct Channel {
    std::array<int32_t, 128> controllerIndex;  // of the last change, kUnset when none
    std::array<uint8_t, 128> controller{};
    int32_t programIndex = kUnset;
    uint8_t program = 0;
    int16_t bankMsb = kUnset, bankLsb = kUnset;  // the bank the program was chosen from
    int32_t bendIndex = kUnset;
    uint8_t bendLsb = 0, bendMsb = 0;
    // The parameter data entry goes to: none, registered or non-registered.
    enum class Selected : uint8_t { None, Registered, NonRegistered } selected = Selected::None;
    int16_t rpnMsb = kUnset, rpnLsb = kUnset, nrpnMsb = kUnset, nrpnLsb = kUnset;
    uint8_t parameters = 0;
    std::array<Parameter, kMaxParameters> parameter;
    Channel() { controllerIndex.fill(kUnset); }
  };
  Parameter* selectedParameter(Channel& c);

  std::array<Channel, 16> channels_;
};

}  // namespace platform
