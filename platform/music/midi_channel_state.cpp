#include "platform/music/midi_channel_state.h"

#include <algorithm>
#include <tuple>

namespace platform {
namespace {

constexpr uint8_t kBankMsb = 0, kBankLsb = 32;
constexpr uint8_t kNrpnLsb = 98, kNrpnMsb = 99, kRpnLsb = 100, kRpnMsb = 101;
constexpr uint8_t kResetAllControllers = 121;
// The controllers that enter data for the selected parameter, by slot.
constexpr std::array<uint8_t, 4> kDataControllers = {6, 38, 96, 97};

int dataSlot(uint8_t controller) {
  const auto at = std::find(kDataControllers.begin(), kDataControllers.end(), controller);
  return at == kDataControllers.end() ? -1 : int(at - kDataControllers.begin());
}

MidiEvent controlChange(int channel, uint8_t controller, int value) {
  return {0, uint8_t(0xB0 | channel), controller, uint8_t(value)};
}

}  // namespace

MidiChannelStates::Parameter* MidiChannelStates::selectedParameter(Channel& c) {
  Parameter key;
  if (c.selected == Channel::Selected::Registered) {
    key.msb = c.rpnMsb;
    key.lsb = c.rpnLsb;
  } else if (c.selected == Channel::Selected::NonRegistered) {
    key.nonRegistered = true;
    key.msb = c.nrpnMsb;
    key.lsb = c.nrpnLsb;
  }
  for (int i = 0; i < c.parameters; ++i) {
    Parameter& p = c.parameter[size_t(i)];
    if (p.nonRegistered == key.nonRegistered && p.msb == key.msb && p.lsb == key.lsb) return &p;
  }
  if (c.parameters == kMaxParameters) return nullptr;
  Parameter& p = c.parameter[c.parameters++];
  p = key;
  return &p;
}

void MidiChannelStates::apply(const MidiEvent& e, uint32_t index) {
  Channel& c = channels_[e.channel()];
  const int32_t at = int32_t(index);
  switch (e.type()) {
    case 0xC0:
      c.programIndex = at;
      c.program = e.data1;
      c.bankMsb = c.controllerIndex[kBankMsb] == kUnset ? kUnset : c.controller[kBankMsb];
      c.bankLsb = c.controllerIndex[kBankLsb] == kUnset ? kUnset : c.controller[kBankLsb];
      return;
    case 0xE0:
      c.bendIndex = at;
      c.bendLsb = e.data1;
      c.bendMsb = e.data2;
      return;
    case 0xB0:
      break;
    default:
      return;
  }
  const uint8_t number = e.data1 & 0x7F;
  if (const int slot = dataSlot(number); slot >= 0) {
    if (Parameter* p = selectedParameter(c)) {
      p->index[size_t(slot)] = at;
      p->value[size_t(slot)] = e.data2;
    }
    return;
  }
  c.controllerIndex[number] = at;
  c.controller[number] = e.data2;
  switch (number) {
    case kRpnMsb:
    case kRpnLsb:
      (number == kRpnMsb ? c.rpnMsb : c.rpnLsb) = e.data2;
      c.selected = Channel::Selected::Registered;
      break;
    case kNrpnMsb:
    case kNrpnLsb:
      (number == kNrpnMsb ? c.nrpnMsb : c.nrpnLsb) = e.data2;
      c.selected = Channel::Selected::NonRegistered;
      break;
    case kResetAllControllers:  // the synthesiser forgets the selected parameter
      c.selected = Channel::Selected::None;
      c.rpnMsb = c.rpnLsb = c.nrpnMsb = c.nrpnLsb = kUnset;
      break;
    default:
      break;
  }
}

std::vector<MidiEvent> MidiChannelStates::events() const {
  // (index of the original, order within it, event): what an original needs
  // in force before it (a bank, a selected parameter) goes just before it.
  std::vector<std::tuple<int32_t, int, MidiEvent>> out;
  for (int ch = 0; ch < 16; ++ch) {
    const Channel& c = channels_[size_t(ch)];
    for (int n = 0; n < 128; ++n)
      if (c.controllerIndex[size_t(n)] != kUnset)
        out.emplace_back(c.controllerIndex[size_t(n)], 0, controlChange(ch, uint8_t(n), c.controller[size_t(n)]));
    if (c.programIndex != kUnset) {
      if (c.bankMsb != kUnset) out.emplace_back(c.programIndex, 0, controlChange(ch, kBankMsb, c.bankMsb));
      if (c.bankLsb != kUnset) out.emplace_back(c.programIndex, 1, controlChange(ch, kBankLsb, c.bankLsb));
      out.emplace_back(c.programIndex, 2, MidiEvent{0, uint8_t(0xC0 | ch), c.program, 0});
    }
    if (c.bendIndex != kUnset) out.emplace_back(c.bendIndex, 0, MidiEvent{0, uint8_t(0xE0 | ch), c.bendLsb, c.bendMsb});
    for (int i = 0; i < c.parameters; ++i) {
      const Parameter& p = c.parameter[size_t(i)];
      for (size_t slot = 0; slot < kDataControllers.size(); ++slot) {
        const int32_t at = p.index[slot];
        if (at == kUnset) continue;
        if (p.msb != kUnset) out.emplace_back(at, 0, controlChange(ch, p.nonRegistered ? kNrpnMsb : kRpnMsb, p.msb));
        if (p.lsb != kUnset) out.emplace_back(at, 1, controlChange(ch, p.nonRegistered ? kNrpnLsb : kRpnLsb, p.lsb));
        out.emplace_back(at, 2, controlChange(ch, kDataControllers[slot], p.value[slot]));
      }
    }
  }
  std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
  });
  std::vector<MidiEvent> events;
  events.reserve(out.size());
  for (const auto& item : out) events.push_back(std::get<2>(item));
  return events;
}

}  // namespace platform
