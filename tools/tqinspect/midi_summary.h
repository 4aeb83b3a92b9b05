#pragma once
// Summary of a Standard MIDI File: format, timing, length in song positions
// (sixteenth notes, the unit the game seeks and loops by), tempo, markers and
// each track's channels, programs and notes. Read with the game's own reader,
// so that a file is refused here exactly when the game cannot play it.
#include <ostream>
#include <string>

void SummarizeMidi(const std::string& fileName, std::ostream& out);
// The same for bytes already read.
void SummarizeMidiBytes(const std::string& bytes, std::ostream& out);
