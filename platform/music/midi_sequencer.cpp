#include "platform/music/midi_sequencer.h"

#include <algorithm>
#include <cmath>

#include "platform/sound/sound_mixer.h"

namespace platform {
namespace {

// Song-pointer units may be a hair below a whole number after the round trip
// through frames; this much is taken as whole.
constexpr double kPositionTolerance = 1e-6;

}  // namespace

MidiSequencer::MidiSequencer(MidiSong song) : song_(std::move(song)) {
  eventFrames_.reserve(song_.events.size());
  size_t tempo = 0;  // the events are by tick: one pass over the tempo map times them all
  MidiChannelStates state;
  for (size_t i = 0; i < song_.events.size(); ++i) {
    const MidiEvent& e = song_.events[i];
    eventFrames_.push_back(frameAt(song_.secondsAt(e.tick, tempo)));
    state.apply(e, uint32_t(i));
    if ((i + 1) % kCheckpointEvents == 0) checkpoints_.push_back(state);
  }
  endFrame_ = frameAtTick(song_.endTick);
}

uint64_t MidiSequencer::frameAtTick(double tick) const { return frameAt(song_.secondsAt(tick)); }

uint64_t MidiSequencer::frameAt(double seconds) {
  // Rounded up, so that the frame's tick is never before the tick asked for.
  return uint64_t(std::ceil(seconds * kMixRate - kPositionTolerance));
}

int MidiSequencer::length() const {
  return int(std::floor(song_.endTick / song_.ticksPerSixteenth() + kPositionTolerance));
}

int MidiSequencer::position() const {
  if (frame_ >= endFrame_) return length();
  const double tick = song_.tickAt(double(frame_) / kMixRate);
  return std::min(length(), int(std::floor(tick / song_.ticksPerSixteenth() + kPositionTolerance)));
}

void MidiSequencer::seek(int position, MidiSynth& synth) {
  position = std::clamp(position, 0, length());
  frame_ = position == length() ? endFrame_ : frameAtTick(position * song_.ticksPerSixteenth());
  next_ = size_t(std::lower_bound(eventFrames_.begin(), eventFrames_.end(), frame_) - eventFrames_.begin());
  synth.allNotesOff();
  synth.reset();
  // What is in force at the new position: programs, controllers and bends.
  const size_t kept = next_ / kCheckpointEvents;
  MidiChannelStates state = kept ? checkpoints_[kept - 1] : MidiChannelStates();
  for (size_t i = kept * kCheckpointEvents; i < next_; ++i) state.apply(song_.events[i], uint32_t(i));
  for (const MidiEvent& e : state.events()) synth.midiEvent(e);
}

size_t MidiSequencer::advance(size_t frames, MidiSynth& synth, const std::function<void(size_t)>& render) {
  const uint64_t target = std::min(frame_ + frames, endFrame_);
  const bool reachesEnd = target == endFrame_;
  uint64_t rendered = frame_;
  size_t budget = eventBudget(frames);
  while (budget > 0 && next_ < song_.events.size() &&
         (eventFrames_[next_] < target || (reachesEnd && eventFrames_[next_] <= target))) {
    const uint64_t at = std::max(eventFrames_[next_], frame_);
    if (at > rendered) {
      render(size_t(at - rendered));
      rendered = at;
    }
    synth.midiEvent(song_.events[next_++]);
    --budget;
  }
  if (reachesEnd) next_ = song_.events.size();
  if (target > rendered) render(size_t(target - rendered));
  const size_t moved = size_t(target - frame_);
  frame_ = target;
  return moved;
}

}  // namespace platform
