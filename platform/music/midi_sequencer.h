#pragma once
// Plays a MidiSong against a synthesiser in output frames (44100 a second):
// advance() hands every event due in the next frames to the synthesiser with
// its frame offset, so that it can be rendered sample-exactly. Positions are in
// song-pointer units (sixteenth notes). Not thread-safe: its owner guards it.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform/music/midi_channel_state.h"
#include "platform/music/midi_file.h"

namespace platform {

class MidiSynth {
 public:
  virtual ~MidiSynth() = default;
  virtual void midiEvent(const MidiEvent& event) = 0;
  // Every sounding note ends at once (stop, seek).
  virtual void allNotesOff() = 0;
  // Back to the start-up state: programs, controllers and pitch bends.
  virtual void reset() = 0;
};

class MidiSequencer {
 public:
  MidiSequencer() = default;
  explicit MidiSequencer(MidiSong song);

  const MidiSong& song() const { return song_; }
  // Song-pointer units: the whole length, and where the cursor stands.
  int length() const;
  int position() const;
  bool atEnd() const { return frame_ >= endFrame_; }

  // Moves the cursor to a position (clamped to 0 .. length); the synthesiser
  // gets the programs, controllers and bends in force there: the state, from
  // the nearest of the states kept at open, not every earlier event.
  void seek(int position, MidiSynth& synth);
  // Moves the cursor by up to frames output frames, at most to the end; each
  // due event is passed to render(offset) first: render is called with the
  // frames to render before the event (offset since the last call), then the
  // event goes to synth. At most eventBudget(frames) events go to synth in one
  // call: those due beyond it follow at the start of the next calls, late, and
  // those still waiting when the piece ends are dropped (the end releases every
  // note). Returns the frames moved, which never wait for events.
  size_t advance(size_t frames, MidiSynth& synth, const std::function<void(size_t)>& render);
  // One event per output frame, and at least kMinEventBudget: far more than
  // any tune plays, and little work for the synthesiser.
  static constexpr size_t kMinEventBudget = 128;
  static size_t eventBudget(size_t frames) { return frames > kMinEventBudget ? frames : kMinEventBudget; }

 private:
  uint64_t frameAtTick(double tick) const;
  static uint64_t frameAt(double seconds);

  MidiSong song_;
  std::vector<uint64_t> eventFrames_;  // output frame of every event
  uint64_t frame_ = 0;
  uint64_t endFrame_ = 0;
  size_t next_ = 0;  // first event not yet played
  // The channels' state after each kCheckpointEvents events: a seek takes in
  // at most that many events more.
  static constexpr size_t kCheckpointEvents = 16384;
  std::vector<MidiChannelStates> checkpoints_;
};

}  // namespace platform
