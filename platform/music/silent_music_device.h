#pragma once
// The headless sequencer: plays the file in time with the tick clock
// (platform::GetTickCount) and makes no sound, so the game's music rules run the
// same without a device, and tests drive them with a fake clock.
#include <cstdint>
#include <memory>

#include "platform/music/midi_sequencer.h"
#include "platform/music/music_device.h"

namespace platform {

class SilentMusicDevice final : public MusicDevice {
 public:
  bool open(const std::string& path) override;
  void close() override;
  bool isOpen() const override { return open_; }
  void play() override;
  void stop() override;
  void seek(int position) override;
  int position() override;
  int length() override;
  MusicMode mode() override;
  bool takeCompletion() override;

 private:
  void catchUp();  // moves the sequencer to the clock's time

  MidiSequencer sequencer_;
  bool open_ = false;
  bool playing_ = false;
  bool completed_ = false;
  uint32_t playStart_ = 0;      // tick count when play began
  uint64_t framesPlayed_ = 0;   // output frames moved since then
};

}  // namespace platform
