#pragma once
// The command line and the key script of tqrun.
#include <stdexcept>
#include <string>
#include <vector>

struct TKeyEvent {
  int frame = 0;
  bool down = true;
  std::string key;   // a virtual-key code or a key name
  std::string code;  // a secret code typed at the frame instead of a key, in capitals
};

// The keys a script names, in the order of their codes in the level run: the
// game's own keys, as its Hopz.ini sets them.
inline constexpr const char* kKeyNames[] = {"left", "right", "up", "down", "fire1", "fire2", "start", "select"};

struct TPngRequest {
  int frame = 0;
  std::string file;
};

struct TRunOptions {
  std::string gameDir;
  std::string levelFile;
  int frames = 1;
  std::string keysFile;
  std::string stateFile;
  std::vector<TPngRequest> pngs;
  bool help = false;  // --help: the usage text, nothing run
};

// A bad argument or script line; the message names it.
class ERunArgument : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// --game DIR --level FILE [--frames N] [--keys SCRIPT] [--state OUT.json] [--png FRAME:OUT.png]...;
// with --help among them, only `help` is set.
TRunOptions ParseRunOptions(const std::vector<std::string>& args);
// One event a line: "FRAME down KEY", "FRAME up KEY" or "FRAME code WORD" (a
// secret code: letters and '_'); blank lines and lines starting with '#' are
// skipped.
std::vector<TKeyEvent> ParseKeyScript(const std::string& text);
// What --help prints: the command line, the key script and its key names.
std::string RunUsage();
