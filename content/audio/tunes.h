#pragma once
// The music of the default game, written as data in the note notation: every
// tune the game plays by name, with its instruments (General MIDI programs).
#include <string>
#include <vector>

#include "content/audio/midi_writer.h"

namespace content::music {

struct Voice {
  std::string name;
  int channel = 0;     // 9 is the percussion channel
  int program = 0;     // General MIDI program, 0-based; ignored on channel 9
  int volume = 100;    // controller 7
  int velocity = 96;
  double legato = 0.9;
  std::string intro;   // played once before the body; empty when the tune has no intro
  std::string body;    // the part that repeats when the game loops the tune
};

struct Tune {
  std::string file;        // path below the program folder, '/' separated
  double beatsPerMinute = 120;
  int introSixteenths = 0; // the game seeks past the intro when it loops "normal" tunes
  int bodySixteenths = 0;
  std::vector<Voice> voices;
};

inline constexpr int kTicksPerQuarter = 96;
inline constexpr int kTicksPerSixteenth = kTicksPerQuarter / 4;

// Every tune of the default game.
const std::vector<Tune>& defaultTunes();

// Builds the file of one tune; throws std::logic_error when a voice's intro or
// body does not last exactly as long as the tune says.
midi::Song buildSong(const Tune& tune);

// Helpers that turn a chord progression ("C4+E4+G4:16 A3+C4+E4:16 ...") into
// accompaniment lines of the same length.
std::string offbeatChords(const std::string& progression);  // chord on every second eighth
std::string octaveBass(const std::string& progression);      // root two octaves down, root/octave eighths
std::string walkingRoots(const std::string& progression);    // root two octaves down, quarters
std::string arpeggio(const std::string& progression);        // chord tones rising in eighths
std::string repeat(const std::string& line, int times);

}  // namespace content::music
