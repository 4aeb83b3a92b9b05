#pragma once
// A small Standard MIDI File writer: tracks of timed channel events, tempo and
// names, encoded as format 1 files with running status left out for clarity.
#include <cstdint>
#include <string>
#include <vector>

namespace content::midi {

// One event at an absolute tick; `data` holds the status byte and its data bytes,
// or for a meta event (status 0xFF) the type byte and the payload.
struct Event {
  uint32_t tick = 0;
  std::vector<uint8_t> data;
  int order = 0;  // ties at one tick: note-offs (0) before everything else (1)
};

class Track {
 public:
  explicit Track(std::string name = {}) : name_(std::move(name)) {}

  void program(uint32_t tick, int channel, int program);
  void controller(uint32_t tick, int channel, int number, int value);
  // A note from `tick` for `length` ticks; velocity 1..127.
  void note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
  void tempo(uint32_t tick, double beatsPerMinute);
  void timeSignature(uint32_t tick, int numerator, int denominatorPower);
  void marker(uint32_t tick, const std::string& text);

  const std::string& name() const { return name_; }
  const std::vector<Event>& events() const { return events_; }

 private:
  std::string name_;
  std::vector<Event> events_;
};

class Song {
 public:
  explicit Song(int ticksPerQuarter = 96) : division_(ticksPerQuarter) {}
  int division() const { return division_; }
  Track& addTrack(std::string name);
  std::vector<Track>& tracks() { return tracks_; }
  // Every track ends at this tick (its end-of-track event); 0 ends at the last event.
  void setEnd(uint32_t tick) { end_ = tick; }
  uint32_t end() const;
  std::vector<uint8_t> encode() const;
  // Throws std::runtime_error when the file cannot be written.
  void save(const std::string& path) const;

 private:
  int division_;
  uint32_t end_ = 0;
  std::vector<Track> tracks_;
};

// Variable-length quantity of the file format (at most 0x0FFFFFFF).
void appendVarLen(std::vector<uint8_t>& out, uint32_t value);

}  // namespace content::midi
