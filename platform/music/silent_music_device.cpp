#include "platform/music/silent_music_device.h"

#include <exception>

#include "platform/core/clock.h"
#include "platform/sound/sound_mixer.h"

namespace platform {
namespace {

// Takes the events and makes no sound.
class NoSynth final : public MidiSynth {
 public:
  void midiEvent(const MidiEvent&) override {}
  void allNotesOff() override {}
  void reset() override {}
};

NoSynth noSynth;

}  // namespace

bool SilentMusicDevice::open(const std::string& path) {
  close();
  try {
    sequencer_ = MidiSequencer(readMidiFile(path));
  } catch (const std::exception&) {  // any file that cannot be read and parsed: no music
    return false;
  }
  open_ = true;
  return true;
}

void SilentMusicDevice::close() {
  open_ = playing_ = completed_ = false;
  sequencer_ = MidiSequencer();
}

void SilentMusicDevice::play() {
  if (!open_ || playing_) return;
  playing_ = true;
  playStart_ = GetTickCount();
  framesPlayed_ = 0;
  catchUp();
}

void SilentMusicDevice::stop() {
  catchUp();
  playing_ = false;
}

void SilentMusicDevice::seek(int position) {
  if (!open_) return;
  stop();
  sequencer_.seek(position, noSynth);
}

int SilentMusicDevice::position() {
  catchUp();
  return open_ ? sequencer_.position() : 0;
}

int SilentMusicDevice::length() { return open_ ? sequencer_.length() : 0; }

MusicMode SilentMusicDevice::mode() {
  catchUp();
  if (!open_) return MusicMode::NotReady;
  return playing_ ? MusicMode::Playing : MusicMode::Stopped;
}

bool SilentMusicDevice::takeCompletion() {
  catchUp();
  const bool done = completed_;
  completed_ = false;
  return done;
}

void SilentMusicDevice::catchUp() {
  if (!playing_) return;
  // Rounded up: a position that begins within this millisecond has begun.
  const uint64_t due = (uint64_t(GetTickCount() - playStart_) * kMixRate + 999) / 1000;
  if (due > framesPlayed_) framesPlayed_ += sequencer_.advance(size_t(due - framesPlayed_), noSynth, [](size_t) {});
  if (sequencer_.atEnd()) {
    playing_ = false;
    completed_ = true;
  }
}

}  // namespace platform
