#pragma once
// What the harnesses share: a program folder of their own, where an input is
// written as the file the program reads, and one headless game in it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TLevelRun;

// The input as text.
inline std::string_view inputText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A scratch program folder (ending with '/') holding the staged default game:
// its folders and files linked, Hopz.ini and Languages/ copied so that the
// harnesses may replace them. Made once a process.
const std::string& fuzzProgramFolder();

// Writes the input as a file of the program folder (relative, with '/'); returns its path.
std::string writeProgramFile(const std::string& relative, std::string_view bytes);

// The default game on a headless main window with its own music player, as
// tqrun plays it; made once a process.
TLevelRun& fuzzGame();

// Runs frames of whatever screen is up.
void runFrames(int count);
