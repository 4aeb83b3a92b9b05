#pragma once
// Standard MIDI Files (formats 0, 1 and 2, ticks-per-quarter division) read
// into one time-ordered list of channel events and a tempo map.
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <vector>

namespace platform {

class MidiFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MidiEvent {
  uint32_t tick = 0;
  uint8_t status = 0;  // 0x80 .. 0xEF: a channel message with its channel
  uint8_t data1 = 0;
  uint8_t data2 = 0;
  uint8_t channel() const { return status & 0x0F; }
  uint8_t type() const { return status & 0xF0; }
};

struct MidiTempo {
  uint32_t tick = 0;
  uint32_t microsecondsPerQuarter = 500000;
  double seconds = 0.0;  // from the start to tick (set by the reader)
};

struct MidiSong {
  int format = 0;
  int tracks = 0;
  int division = 96;  // ticks per quarter note
  std::vector<MidiEvent> events;  // by tick; equal ticks in file order, track by track
  std::vector<MidiTempo> tempos;  // by tick; the first at tick 0 (120 bpm unless given), each timed
  uint32_t endTick = 0;           // the last end of track

  // A sixteenth note, the song-pointer unit of positions, in ticks.
  double ticksPerSixteenth() const { return division / 4.0; }
  // Seconds from the start to tick (tempo map applied), and back: a search of
  // the timed tempo map, so timing every event costs no walk of the whole map.
  double secondsAt(double tick) const;
  double tickAt(double seconds) const;
  // The same for ticks taken in rising order, each time going on from the tempo
  // where the last ended (hint, 0 at first): the events in one pass over the map.
  double secondsAt(double tick, size_t& hint) const;
};

// Sees every event of the file as the reader takes it, with its track (from
// 0, in file order): for a reader that wants more than the song keeps.
class MidiFileListener {
 public:
  virtual ~MidiFileListener() = default;
  virtual void channelEvent(int track, const MidiEvent& event) = 0;
  virtual void metaEvent(int track, uint32_t tick, uint8_t type, std::span<const uint8_t> data) = 0;
};

// Throws MidiFileError naming what is wrong. Running status goes on across meta
// and system-exclusive events, as tolerant readers play such files.
MidiSong parseMidi(std::span<const uint8_t> bytes, MidiFileListener* listener = nullptr);
MidiSong readMidiFile(const std::filesystem::path& path);

}  // namespace platform
