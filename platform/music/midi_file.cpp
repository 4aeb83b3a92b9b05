#include "platform/music/midi_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace platform {
namespace {

class Reader {
 public:
  Reader(std::span<const uint8_t> bytes, const char* what) : bytes_(bytes), what_(what) {}
  size_t left() const { return bytes_.size() - at_; }
  bool done() const { return at_ >= bytes_.size(); }
  uint8_t byte() {
    need(1);
    return bytes_[at_++];
  }
  uint8_t peek() {
    need(1);
    return bytes_[at_];
  }
  uint32_t be(int n) {
    need(size_t(n));
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | bytes_[at_++];
    return v;
  }
  // A variable-length quantity: at most four bytes.
  uint32_t varlen() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = byte();
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    throw MidiFileError(std::string(what_) + ": a variable-length number is longer than four bytes");
  }
  std::span<const uint8_t> take(size_t n) {
    need(n);
    auto part = bytes_.subspan(at_, n);
    at_ += n;
    return part;
  }

 private:
  void need(size_t n) {
    if (left() < n) throw MidiFileError(std::string(what_) + " ends early");
  }
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
  const char* what_;
};

// Data bytes that follow each kind of channel message.
int dataBytes(uint8_t status) {
  const uint8_t type = status & 0xF0;
  return type == 0xC0 || type == 0xD0 ? 1 : 2;
}

struct Tagged {
  MidiEvent event;
  int track;
};

void readTrack(std::span<const uint8_t> data, int track, std::vector<Tagged>& events,
               std::vector<MidiTempo>& tempos, uint32_t& endTick, MidiFileListener* listener) {
  Reader r(data, "a MIDI track");
  uint64_t tick = 0;
  uint8_t running = 0;
  while (!r.done()) {
    tick += r.varlen();
    if (tick > 0xFFFFFFF) throw MidiFileError("a MIDI track is longer than the format allows");
    uint8_t status = r.peek();
    if (status & 0x80) {
      r.byte();
    } else if (running) {
      status = running;  // running status: the data byte is read below
    } else {
      throw MidiFileError("a MIDI track has data without a status byte");
    }
    // Meta and system-exclusive events leave the running status as it was: many
    // files go on with it after them, and a file that does not reads the same.
    if (status == 0xFF) {
      const uint8_t type = r.byte();
      const auto body = r.take(r.varlen());
      if (type == 0x2F) break;  // end of track
      if (type == 0x51 && body.size() == 3) {
        const uint32_t us = uint32_t(body[0]) << 16 | uint32_t(body[1]) << 8 | body[2];
        if (us > 0) tempos.push_back({uint32_t(tick), us});
      }
      if (listener) listener->metaEvent(track, uint32_t(tick), type, body);
    } else if (status == 0xF0 || status == 0xF7) {
      r.take(r.varlen());  // system exclusive: not passed on
    } else if (status >= 0xF0) {
      throw MidiFileError("a MIDI track holds the system message " + std::to_string(status));
    } else {
      running = status;
      MidiEvent e;
      e.tick = uint32_t(tick);
      e.status = status;
      e.data1 = r.byte() & 0x7F;
      if (dataBytes(status) == 2) e.data2 = r.byte() & 0x7F;
      events.push_back({e, track});
      if (listener) listener->channelEvent(track, e);
    }
  }
  endTick = std::max(endTick, uint32_t(tick));
}

// Each tempo change's time from the start, in one pass over the sorted map.
void timeTempos(std::vector<MidiTempo>& tempos, int division) {
  double seconds = 0.0;
  double from = 0.0;
  uint32_t us = 500000;
  for (MidiTempo& t : tempos) {
    seconds += (t.tick - from) * us / (1e6 * division);
    t.seconds = seconds;
    from = t.tick;
    us = t.microsecondsPerQuarter;
  }
}

}  // namespace

double MidiSong::secondsAt(double tick) const {
  size_t hint =
      size_t(std::partition_point(tempos.begin(), tempos.end(), [&](const MidiTempo& t) { return t.tick < tick; }) -
             tempos.begin());
  if (hint > 0) --hint;
  return secondsAt(tick, hint);
}

double MidiSong::secondsAt(double tick, size_t& hint) const {
  if (tempos.empty() || tempos.front().tick >= tick) return tick * 500000 / (1e6 * division);
  while (hint + 1 < tempos.size() && tempos[hint + 1].tick < tick) ++hint;
  const MidiTempo& t = tempos[hint];
  return t.seconds + (tick - t.tick) * t.microsecondsPerQuarter / (1e6 * division);
}

double MidiSong::tickAt(double seconds) const {
  const auto after =
      std::partition_point(tempos.begin(), tempos.end(), [&](const MidiTempo& t) { return t.seconds < seconds; });
  if (after == tempos.begin()) return seconds * 1e6 * division / 500000;
  const MidiTempo& t = *(after - 1);
  return t.tick + (seconds - t.seconds) * 1e6 * division / t.microsecondsPerQuarter;
}

MidiSong parseMidi(std::span<const uint8_t> bytes, MidiFileListener* listener) {
  Reader r(bytes, "the MIDI file");
  if (r.left() < 14 || r.be(4) != 0x4D546864)  // "MThd"
    throw MidiFileError("not a MIDI file (no MThd header)");
  const uint32_t headerLength = r.be(4);
  if (headerLength < 6) throw MidiFileError("the MIDI header is too short");
  MidiSong song;
  song.format = int(r.be(2));
  const int tracks = int(r.be(2));
  const uint32_t division = r.be(2);
  r.take(headerLength - 6);
  if (song.format > 2) throw MidiFileError("unknown MIDI file format " + std::to_string(song.format));
  if (division & 0x8000) throw MidiFileError("SMPTE time division is not supported");
  if (division == 0) throw MidiFileError("the MIDI file's division is 0");
  song.division = int(division);

  std::vector<Tagged> events;
  int found = 0;
  while (found < tracks && r.left() >= 8) {
    const uint32_t id = r.be(4);
    const uint32_t length = r.be(4);
    if (length > r.left()) throw MidiFileError("a MIDI track is longer than the file");
    const auto data = r.take(length);
    if (id != 0x4D54726B) continue;  // not "MTrk": skipped, as the format allows
    readTrack(data, found, events, song.tempos, song.endTick, listener);
    ++found;
  }
  if (found < tracks)
    throw MidiFileError("the MIDI file holds " + std::to_string(found) + " of its " + std::to_string(tracks) +
                        " tracks");
  song.tracks = found;

  const auto byTickAndTrack = [](const Tagged& a, const Tagged& b) {
    if (a.event.tick != b.event.tick) return a.event.tick < b.event.tick;
    return a.track < b.track;
  };
  // A single track is in order already; a sort would only cost its n log n.
  if (!std::is_sorted(events.begin(), events.end(), byTickAndTrack))
    std::stable_sort(events.begin(), events.end(), byTickAndTrack);
  song.events.reserve(events.size());
  for (const Tagged& t : events) song.events.push_back(t.event);
  std::stable_sort(song.tempos.begin(), song.tempos.end(),
                   [](const MidiTempo& a, const MidiTempo& b) { return a.tick < b.tick; });
  if (song.tempos.empty() || song.tempos.front().tick != 0) song.tempos.insert(song.tempos.begin(), {0, 500000});
  timeTempos(song.tempos, song.division);
  return song;
}

MidiSong readMidiFile(const std::filesystem::path& path) {
  // A folder opens as a stream on Linux and fails only while it is read.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw MidiFileError("not a file: " + path.string());
  std::ifstream in(path, std::ios::binary);
  if (!in) throw MidiFileError("cannot open " + path.string());
  std::vector<uint8_t> bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    throw MidiFileError("cannot read " + path.string());
  }
  return parseMidi(bytes);
}

}  // namespace platform
