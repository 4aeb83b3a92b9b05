#include "content/audio/tunes.h"

#include <algorithm>
#include <stdexcept>

#include "content/audio/notation.h"

namespace content::music {
namespace {

std::string keyName(int key) {
  static const char* kNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  return std::string(kNames[key % 12]) + std::to_string(key / 12 - 1);
}

std::string chordName(const std::vector<int>& keys) {
  std::string s;
  for (int k : keys) s += (s.empty() ? "" : "+") + keyName(k);
  return s;
}

// Fills each chord's length with `step` sixteenths at a time, asking `at` what to
// play at each step (an empty string rests).
template <class F>
std::string perStep(const std::string& progression, int step, F at) {
  std::string out;
  for (const auto& g : midi::parseNotation(progression)) {
    for (int t = 0; t < g.sixteenths; t += step) {
      const int len = std::min(step, g.sixteenths - t);
      std::string what = g.keys.empty() ? std::string() : at(g.keys, t / step);
      out += (what.empty() ? "r" : what) + ":" + std::to_string(len) + " ";
    }
  }
  return out;
}

int rootOf(const std::vector<int>& keys) { return *std::min_element(keys.begin(), keys.end()); }

// Drum keys of the General MIDI percussion map, written as note names in the lines:
// C2 kick, C#2 side stick, D2 snare, D#2 clap, F#2 closed hat, A#2 open hat,
// A2 low tom, D3 high tom, C#3 crash, F#3 tambourine.
const std::string kRockBar = "C2+F#2:2 F#2:2 D2+F#2:2 F#2:2 C2+F#2:2 C2+F#2:2 D2+F#2:2 F#2:2 ";
const std::string kLightBar = "C2+F#2:2 F#2:2 D2+F#2:2 F#2:2 C2+F#2:2 F#2:2 D2+F#2:2 F#2:2 ";

std::vector<Tune> makeTunes() {
  std::vector<Tune> tunes;

  {  // Title screen: a bright tune in F, looped from the start.
    const std::string chords =
        "F4+A4+C5:16 D4+F4+A4:16 D4+F4+A#4:16 E4+G4+C5:16 "
        "F4+A4+C5:16 D4+F4+A4:16 D4+G4+A#4:8 E4+G4+C5:8 F4+A4+C5:16";
    tunes.push_back({"music/splash.mid", 112, 0, 128, {
        {"Lead", 0, 80, 80, 90, 0.85, "",
         "C5:2 F5:2 A5:4 G5:2 F5:2 C5:4  D5:2 F5:2 A5:4 C6:4 A5:4 "
         "A#4:2 D5:2 F5:4 G5:2 F5:2 D5:4  E5:4 G5:4 C6:4 A#5:4 "
         "A5:2 C6:2 F6:4 E6:2 C6:2 A5:4  D6:4 A5:4 F5:4 A5:4 "
         "G5:2 A#5:2 D6:4 C6:2 A#5:2 G5:4  F5:8 r:8"},
        {"Strings", 1, 48, 70, 70, 1.0, "", chords},
        {"Bass", 2, 33, 100, 100, 0.8, "", walkingRoots(chords)},
        {"Drums", 9, 0, 90, 80, 0.5, "", repeat(kLightBar, 8)},
    }});
  }
  {  // World map: an easy walking tune on marimba.
    const std::string chords =
        "C4+E4+G4:16 B3+D4+G4:16 A3+C4+E4:16 A3+C4+F4:16 "
        "C4+E4+G4:16 B3+D4+G4:16 A3+C4+F4:8 B3+D4+G4:8 C4+E4+G4:16";
    tunes.push_back({"music/map/world 1.mid", 96, 0, 128, {
        {"Marimba", 0, 12, 100, 100, 0.9, "",
         "G4:4 C5:2 E5:2 D5:4 C5:4  B4:4 D5:2 G5:2 F5:4 D5:4 "
         "C5:4 E5:2 A5:2 G5:4 E5:4  F5:2 E5:2 D5:2 C5:2 A4:8 "
         "G4:4 C5:2 E5:2 G5:4 E5:4  D5:4 G5:2 B5:2 A5:4 G5:4 "
         "A5:2 G5:2 F5:2 E5:2 D5:4 B4:4  C5:12 r:4"},
        {"Guitar", 1, 24, 75, 70, 0.9, "", offbeatChords(chords)},
        {"Bass", 2, 32, 100, 95, 0.9, "", walkingRoots(chords)},
        {"Drums", 9, 0, 70, 70, 0.5, "", repeat("C2:4 C#2:4 C2:2 C2:2 C#2:4 ", 8)},
    }});
  }
  {  // First level tune: two bars of intro, then the part the game loops.
    const std::string chords =
        "C4+E4+G4:16 A3+C4+E4:16 F3+A3+C4:16 G3+B3+D4:16 "
        "C4+E4+G4:16 A3+C4+E4:16 F3+A3+C4:8 G3+B3+D4:8 C4+E4+G4:16";
    tunes.push_back({"music/normal 1.mid", 144, 32, 128, {
        {"Lead", 0, 80, 85, 92, 0.85,
         "r:8 G4:2 A4:2 B4:2 D5:2  C5:2 r:2 C5:2 r:2 G4:2 r:2 r:4",
         "E5:2 G5:2 C6:4 B5:2 G5:2 E5:4  A5:2 C6:2 E6:4 D6:2 C6:2 A5:4 "
         "F5:2 A5:2 C6:4 A5:2 F5:2 C5:4  D5:2 G5:2 B5:4 A5:4 G5:4 "
         "E5:2 G5:2 C6:4 B5:2 C6:2 D6:4  E6:4 C6:4 A5:4 C6:4 "
         "A5:2 F5:2 A5:4 B5:2 G5:2 B5:4  C6:6 G5:2 E5:4 r:4"},
        {"Piano", 1, 4, 75, 75, 0.8, "r:32", offbeatChords(chords)},
        {"Bass", 2, 38, 100, 100, 0.8,
         "C2:2 r:6 G1:2 r:2 B1:2 r:2  C2:2 r:2 C2:2 r:2 G1:4 G1:2 B1:2", octaveBass(chords)},
        {"Drums", 9, 0, 95, 90, 0.5,
         "C2+C#3:4 r:4 D2:2 D2:2 D2:2 D2:2  C2:4 D2:4 C2:2 C2:2 D2:2 D2:1 D2:1",
         "C#3+" + repeat(kRockBar, 8)},
    }});
  }
  {  // Second level tune, in A minor, also with a two-bar intro.
    const std::string chords =
        "A3+C4+E4:16 F3+A3+C4:16 C4+E4+G4:16 G3+B3+D4:16 "
        "A3+C4+E4:16 F3+A3+C4:16 D4+F4+A4:8 E4+G#4+B4:8 A3+C4+E4:16";
    tunes.push_back({"music/normal 2.mid", 126, 32, 128, {
        {"Trumpet", 0, 56, 85, 90, 0.85,
         "r:12 E4:2 G#4:2  A4:4 r:4 E5:2 D5:2 C5:2 B4:2",
         "A4:2 C5:2 E5:2 A5:2 G5:4 E5:4  F5:2 E5:2 C5:2 A4:2 C5:8 "
         "E5:2 G5:2 C6:2 G5:2 E5:4 G5:4  D5:2 B4:2 G4:2 B4:2 D5:8 "
         "A5:4 G5:2 E5:2 A5:4 B5:4  C6:4 A5:2 F5:2 C6:4 A5:4 "
         "F5:2 E5:2 D5:2 F5:2 E5:2 G#5:2 B5:4  A5:8 E5:4 A4:4"},
        {"Organ", 1, 16, 60, 70, 0.7, "r:32", offbeatChords(chords)},
        {"Bass", 2, 33, 100, 100, 0.8,
         "A1:2 r:2 A1:2 r:2 A1:2 r:2 E2:2 G#2:2  A1:2 A2:2 A1:2 A2:2 E2:2 E2:2 E2:2 E2:2",
         octaveBass(chords)},
        {"Drums", 9, 0, 90, 85, 0.5,
         "C2:4 F#2:2 F#2:2 D2:4 F#2:2 F#2:2  C2:4 F#2:2 F#2:2 D2:2 D2:2 D2:2 D2:2",
         "C#3+" + repeat(kRockBar, 8)},
    }});
  }
  {  // Water level: a slow flute tune over harp arpeggios.
    const std::string chords =
        "D4+F#4+A4:16 B3+D4+F#4:16 G3+B3+D4:16 A3+C#4+E4:16 "
        "D4+F#4+A4:16 B3+D4+F#4:16 E4+G4+B4:8 A3+C#4+E4:8 D4+F#4+A4:16";
    tunes.push_back({"music/agua.mid", 88, 0, 128, {
        {"Flute", 0, 73, 90, 85, 0.95, "",
         "F#5:6 E5:2 D5:4 A4:4  B4:6 C#5:2 D5:4 F#5:4  G5:6 F#5:2 E5:4 D5:4  E5:12 r:4 "
         "F#5:6 A5:2 D6:4 A5:4  B5:6 A5:2 F#5:4 D5:4  E5:4 G5:4 A5:4 C#6:4  D6:12 r:4"},
        {"Harp", 1, 46, 80, 75, 1.0, "", arpeggio(chords)},
        {"Bass", 2, 32, 90, 85, 0.95, "", walkingRoots(chords)},
    }});
  }
  {  // Bonus rooms: a quick glockenspiel jig.
    const std::string chords =
        "G4+B4+D5:16 C4+E4+G4:16 G4+B4+D5:16 D4+F#4+A4:16";
    tunes.push_back({"music/bonus.mid", 150, 0, 64, {
        {"Glockenspiel", 0, 9, 85, 90, 0.8, "",
         "G5:2 B5:2 D6:2 B5:2 G5:4 D5:4  E5:2 G5:2 C6:2 G5:2 E5:4 C5:4 "
         "D5:2 G5:2 B5:2 D6:2 C6:2 B5:2 A5:4  F#5:2 A5:2 D6:2 A5:2 G5:8"},
        {"Accordion", 1, 21, 65, 70, 0.7, "", offbeatChords(chords)},
        {"Bass", 2, 33, 95, 95, 0.8, "", octaveBass(chords)},
        {"Drums", 9, 0, 80, 75, 0.5, "", repeat("C2+F#3:4 F#3:4 D2+F#3:4 F#3:4 ", 4)},
    }});
  }
  {  // Switch music: plays once while the switched blocks last (well past position 63).
    const std::string chords = "F4+A4+C5:16 D4+F4+A#4:16 F4+A4+C5:16 E4+G4+C5:16 F4+A4+C5:16";
    tunes.push_back({"music/casa de hongo.mid", 150, 0, 80, {
        {"Xylophone", 0, 13, 100, 100, 0.7, "",
         "F5:1 A5:1 C6:2 A5:2 F5:2 G5:2 A5:2 A#5:4  D6:2 A#5:2 F5:2 A#5:2 D6:4 C6:4 "
         "A5:2 C6:2 F6:2 C6:2 A5:2 F5:2 A5:4  G5:2 A#5:2 E6:2 C6:2 G5:4 E5:4 "
         "F5:2 A5:2 C6:2 F6:2 F6:8"},
        {"Piano", 1, 0, 70, 70, 0.6, "", offbeatChords(chords)},
        {"Bass", 2, 38, 95, 95, 0.8, "", octaveBass(chords)},
        {"Drums", 9, 0, 85, 80, 0.5, "", repeat("C2+F#2:2 F#2:2 D2+F#2:2 F#2:2 ", 10)},
    }});
  }
  {  // Level won: a short fanfare, not looped.
    tunes.push_back({"music/Levelend.mid", 132, 0, 48, {
        {"Trumpet", 0, 56, 100, 105, 0.9, "",
         "C5:2 E5:2 G5:2 C6:6 B5:2 C6:2  D6:2 C6:2 B5:2 G5:2 A5:4 B5:4  C6:12 r:4"},
        {"Brass", 1, 61, 80, 90, 0.95, "",
         "C4+E4+G4:16 F4+A4+C5:8 G4+B4+D5:8 C4+E4+G4+C5:12 r:4"},
        {"Bass", 2, 33, 100, 100, 0.9, "", "C2:4 G2:4 C3:4 G2:4 F2:8 G2:8 C2:12 r:4"},
        {"Drums", 9, 0, 90, 90, 0.5, "",
         "C2+C#3:4 D2:4 C2:4 D2:4  C2:4 D2:4 A2:2 A2:2 D3:2 D3:2  C2+C#3:12 r:4"},
    }});
  }
  {  // Player lost a life: a falling figure, not looped.
    tunes.push_back({"music/death.mid", 100, 0, 32, {
        {"Lead", 0, 80, 90, 95, 0.9, "", "G5:2 F#5:2 F5:2 E5:2 D#5:4 D5:4  C5+D#5:2 r:2 G4:2 r:2 C4+G4:8"},
        {"Bass", 2, 38, 100, 95, 0.9, "", "C3:8 G#2:8  G2:4 r:4 C2:8"},
    }});
  }
  return tunes;
}

}  // namespace

const std::vector<Tune>& defaultTunes() {
  static const std::vector<Tune> tunes = makeTunes();
  return tunes;
}

midi::Song buildSong(const Tune& tune) {
  midi::Song song(kTicksPerQuarter);
  auto& conductor = song.addTrack("Tempo");
  conductor.timeSignature(0, 4, 2);
  conductor.tempo(0, tune.beatsPerMinute);
  const auto bodyStart = static_cast<uint32_t>(tune.introSixteenths * kTicksPerSixteenth);
  if (tune.introSixteenths > 0) conductor.marker(bodyStart, "loop");
  for (const auto& v : tune.voices) {
    const auto check = [&](const std::string& line, int expected, const char* what) {
      const int got = midi::lengthOf(midi::parseNotation(line));
      if (!line.empty() && got != expected)
        throw std::logic_error(tune.file + ", " + v.name + ": " + what + " lasts " + std::to_string(got) +
                               " sixteenths instead of " + std::to_string(expected));
    };
    check(v.intro, tune.introSixteenths, "intro");
    check(v.body, tune.bodySixteenths, "body");
    auto& track = song.addTrack(v.name);
    if (v.channel != 9) track.program(0, v.channel, v.program);
    track.controller(0, v.channel, 7, v.volume);
    track.controller(0, v.channel, 91, 40);  // a little reverb
    if (!v.intro.empty())
      midi::writeLine(track, v.channel, 0, v.intro, v.velocity, kTicksPerSixteenth, v.legato);
    midi::writeLine(track, v.channel, bodyStart, v.body, v.velocity, kTicksPerSixteenth, v.legato);
  }
  song.setEnd(static_cast<uint32_t>((tune.introSixteenths + tune.bodySixteenths) * kTicksPerSixteenth));
  return song;
}

std::string offbeatChords(const std::string& progression) {
  return perStep(progression, 2, [](const std::vector<int>& keys, int step) {
    return step % 2 == 1 ? chordName(keys) : std::string();
  });
}

std::string octaveBass(const std::string& progression) {
  return perStep(progression, 2, [](const std::vector<int>& keys, int step) {
    const int root = rootOf(keys) - 24;
    return keyName(step % 2 == 0 ? root : root + 12);
  });
}

std::string walkingRoots(const std::string& progression) {
  return perStep(progression, 4, [](const std::vector<int>& keys, int step) {
    const int root = rootOf(keys) - 24;
    return keyName(step % 2 == 0 ? root : root + 7);
  });
}

std::string arpeggio(const std::string& progression) {
  return perStep(progression, 2, [](const std::vector<int>& keys, int step) {
    std::vector<int> tones(keys);
    std::sort(tones.begin(), tones.end());
    tones.push_back(tones.front() + 12);
    return keyName(tones[static_cast<size_t>(step) % tones.size()] - 12);
  });
}

std::string repeat(const std::string& line, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += line + " ";
  return out;
}

}  // namespace content::music
