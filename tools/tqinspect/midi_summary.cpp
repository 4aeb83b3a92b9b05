#include "tools/tqinspect/midi_summary.h"

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <map>
#include <set>
#include <vector>

#include "tools/tqinspect/inspect.h"

namespace {

// Reads big-endian numbers and variable-length quantities within a range of the
// file, failing with a message that says where the file ends too early.
class Reader {
 public:
  Reader(const std::string& bytes, size_t pos, size_t end) : bytes_(bytes), pos_(pos), end_(end) {}
  bool atEnd() const { return pos_ >= end_; }
  size_t pos() const { return pos_; }
  uint8_t byte(const char* what) {
    if (pos_ >= end_) throw TInspectError(std::string("the file ends inside ") + what);
    return static_cast<uint8_t>(bytes_[pos_++]);
  }
  uint32_t be(int count, const char* what) {
    uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = (v << 8) | byte(what);
    return v;
  }
  uint32_t varLen(const char* what) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = byte(what);
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    throw TInspectError(std::string("a variable-length number in ") + what + " is longer than four bytes");
  }
  std::string take(uint32_t count, const char* what) {
    if (count > end_ - pos_) throw TInspectError(std::string("the file ends inside ") + what);
    std::string s = bytes_.substr(pos_, count);
    pos_ += count;
    return s;
  }

 private:
  const std::string& bytes_;
  size_t pos_;
  size_t end_;
};

struct TrackInfo {
  std::string name;
  uint64_t endTick = 0;
  int notes = 0;
  std::set<int> channels;
  std::map<int, int> programs;  // channel -> last program
};

struct Song {
  std::map<uint64_t, uint32_t> tempos;  // tick -> microseconds per quarter
  std::vector<std::pair<uint64_t, std::string>> markers;
  std::string timeSignature;
};

TrackInfo readTrack(Reader& r, Song& song) {
  TrackInfo info;
  uint64_t tick = 0;
  uint8_t status = 0;
  bool ended = false;
  while (!r.atEnd()) {
    tick += r.varLen("an event time");
    uint8_t b = r.byte("an event");
    if (b == 0xFF) {
      const uint8_t type = r.byte("a meta event");
      const std::string data = r.take(r.varLen("a meta event"), "a meta event");
      if (type == 0x2F) { ended = true; break; }
      if (type == 0x03 && info.name.empty()) info.name = data;
      if (type == 0x06) song.markers.emplace_back(tick, data);
      if (type == 0x51) {
        if (data.size() != 3) throw TInspectError("a tempo event does not hold three bytes");
        const uint32_t us = (uint32_t(uint8_t(data[0])) << 16) | (uint32_t(uint8_t(data[1])) << 8) | uint8_t(data[2]);
        if (us == 0) throw TInspectError("a tempo of zero microseconds per quarter note");
        song.tempos[tick] = us;
      }
      if (type == 0x58 && data.size() >= 2 && song.timeSignature.empty())
        song.timeSignature = std::to_string(uint8_t(data[0])) + "/" + std::to_string(1 << std::min(uint8_t(data[1]), uint8_t(6)));
      continue;
    }
    if (b == 0xF0 || b == 0xF7) {
      r.take(r.varLen("a system-exclusive event"), "a system-exclusive event");
      continue;
    }
    uint8_t first;
    if (b & 0x80) {
      status = b;
      first = r.byte("an event");
    } else {
      if (status == 0) throw TInspectError("running status without a status byte before it");
      first = b;
    }
    const int kind = status >> 4, channel = (status & 0x0F) + 1;
    const bool oneByte = kind == 0xC || kind == 0xD;
    const uint8_t second = oneByte ? 0 : r.byte("an event");
    if ((first | second) & 0x80) throw TInspectError("a data byte above 127");
    info.channels.insert(channel);
    if (kind == 0x9 && second > 0) ++info.notes;
    if (kind == 0xC) info.programs[channel] = first;
  }
  if (!ended) throw TInspectError("a track has no end-of-track event");
  info.endTick = tick;
  return info;
}

double secondsAt(const Song& song, uint64_t tick, int division) {
  double seconds = 0;
  uint64_t at = 0;
  uint32_t us = 500000;  // 120 beats per minute until the first tempo event
  for (const auto& [t, tempo] : song.tempos) {
    if (t >= tick) break;
    seconds += double(t - at) * us / division / 1e6;
    at = t;
    us = tempo;
  }
  return seconds + double(tick - at) * us / division / 1e6;
}

}  // namespace

void SummarizeMidiBytes(const std::string& bytes, std::ostream& out) {
  Reader head(bytes, 0, bytes.size());
  if (head.take(4, "the header") != "MThd") throw TInspectError("not a MIDI file (no \"MThd\" header)");
  const uint32_t headSize = head.be(4, "the header");
  if (headSize < 6) throw TInspectError("the header is shorter than six bytes");
  const uint32_t format = head.be(2, "the header");
  const uint32_t trackCount = head.be(2, "the header");
  const uint32_t division = head.be(2, "the header");
  if (format > 2) throw TInspectError("unknown format " + std::to_string(format));
  if (division & 0x8000) throw TInspectError("time code (SMPTE) timing: song positions are not defined");
  if (division == 0) throw TInspectError("zero ticks per quarter note");
  head.take(headSize - 6, "the header");

  Song song;
  std::vector<TrackInfo> tracks;
  size_t pos = head.pos();
  while (pos < bytes.size()) {
    Reader chunk(bytes, pos, bytes.size());
    const std::string id = chunk.take(4, "a chunk header");
    const uint32_t size = chunk.be(4, "a chunk header");
    if (size > bytes.size() - chunk.pos()) throw TInspectError("a chunk is longer than the file");
    if (id == "MTrk") {
      Reader r(bytes, chunk.pos(), chunk.pos() + size);
      tracks.push_back(readTrack(r, song));
    }
    pos = chunk.pos() + size;
  }
  if (tracks.size() != trackCount)
    throw TInspectError("the header names " + std::to_string(trackCount) + " tracks, the file holds " +
                        std::to_string(tracks.size()));

  uint64_t endTick = 0;
  for (const auto& t : tracks) endTick = std::max(endTick, t.endTick);
  const double perSixteenth = division / 4.0;
  const auto position = [&](uint64_t tick) { return double(tick) / perSixteenth; };
  out << "MIDI file: format " << format << ", " << tracks.size() << " tracks, " << division
      << " ticks per quarter note\n";
  out << std::fixed << std::setprecision(1);
  out << "length: " << endTick << " ticks = " << position(endTick) << " song positions (sixteenths), "
      << secondsAt(song, endTick, int(division)) << " s\n";
  if (!song.timeSignature.empty()) out << "time signature: " << song.timeSignature << "\n";
  if (song.tempos.empty()) out << "tempo: 120.0 bpm (none given)\n";
  for (const auto& [tick, us] : song.tempos)
    out << "tempo: " << 60e6 / us << " bpm from position " << position(tick) << "\n";
  for (const auto& [tick, text] : song.markers) out << "marker \"" << text << "\" at position " << position(tick) << "\n";
  for (size_t i = 0; i < tracks.size(); ++i) {
    const auto& t = tracks[i];
    out << "track " << i + 1;
    if (!t.name.empty()) out << " \"" << t.name << "\"";
    out << ": " << t.notes << " notes";
    for (int ch : t.channels) {
      out << ", channel " << ch;
      if (ch == 10) out << " (percussion)";
      else if (auto p = t.programs.find(ch); p != t.programs.end()) out << " program " << p->second;
    }
    out << "\n";
  }
}

void SummarizeMidi(const std::string& fileName, std::ostream& out) { SummarizeMidiBytes(ReadFileBytes(fileName), out); }
