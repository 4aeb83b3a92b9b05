#include "tools/tqinspect/midi_summary.h"

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <map>
#include <set>
#include <span>
#include <vector>

#include "platform/music/midi_file.h"
#include "tools/tqinspect/inspect.h"

namespace {

struct TrackInfo {
  std::string name;
  int notes = 0;
  std::set<int> channels;
  std::map<int, int> programs;  // channel -> last program
};

// What the summary tells beyond the song the game plays, taken as the game's
// reader reads the file.
class SummaryListener final : public platform::MidiFileListener {
 public:
  void channelEvent(int track, const platform::MidiEvent& e) override {
    TrackInfo& info = trackAt(track);
    const int channel = e.channel() + 1;
    info.channels.insert(channel);
    if (e.type() == 0x90 && e.data2 > 0) ++info.notes;
    if (e.type() == 0xC0) info.programs[channel] = e.data1;
  }
  void metaEvent(int track, uint32_t tick, uint8_t type, std::span<const uint8_t> data) override {
    const std::string text(data.begin(), data.end());
    TrackInfo& info = trackAt(track);
    if (type == 0x03 && info.name.empty()) info.name = text;
    if (type == 0x06) markers.emplace_back(tick, text);
    if (type == 0x58 && data.size() >= 2 && timeSignature.empty())
      timeSignature = std::to_string(data[0]) + "/" + std::to_string(1 << std::min(data[1], uint8_t(6)));
  }

  std::vector<TrackInfo> tracks;
  std::vector<std::pair<uint32_t, std::string>> markers;
  std::string timeSignature;

 private:
  TrackInfo& trackAt(int track) {
    if (size_t(track) >= tracks.size()) tracks.resize(size_t(track) + 1);
    return tracks[size_t(track)];
  }
};

}  // namespace

void SummarizeMidiBytes(const std::string& bytes, std::ostream& out) {
  SummaryListener details;
  platform::MidiSong song;
  try {
    song = platform::parseMidi(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), &details);
  } catch (const platform::MidiFileError& e) {
    throw TInspectError(e.what());
  }
  details.tracks.resize(size_t(song.tracks));

  const auto position = [&](uint32_t tick) { return tick / song.ticksPerSixteenth(); };
  out << "MIDI file: format " << song.format << ", " << song.tracks << " tracks, " << song.division
      << " ticks per quarter note\n";
  out << std::fixed << std::setprecision(1);
  out << "length: " << song.endTick << " ticks = " << position(song.endTick) << " song positions (sixteenths), "
      << song.secondsAt(song.endTick) << " s\n";
  if (!details.timeSignature.empty()) out << "time signature: " << details.timeSignature << "\n";
  // The tempo map as the game plays it: the last of changes at one tick holds.
  for (size_t i = 0; i < song.tempos.size(); ++i) {
    const platform::MidiTempo& t = song.tempos[i];
    if (i + 1 < song.tempos.size() && song.tempos[i + 1].tick == t.tick) continue;
    out << "tempo: " << 60e6 / t.microsecondsPerQuarter << " bpm from position " << position(t.tick) << "\n";
  }
  for (const auto& [tick, text] : details.markers)
    out << "marker \"" << text << "\" at position " << position(tick) << "\n";
  for (size_t i = 0; i < details.tracks.size(); ++i) {
    const TrackInfo& t = details.tracks[i];
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
