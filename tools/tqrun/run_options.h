#pragma once
// The command line and the key script of tqrun.
#include <stdexcept>
#include <string>
#include <vector>

struct TKeyEvent {
  int frame = 0;
  bool down = true;
  std::string key;  // a virtual-key code or a key name
};

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
};

// A bad argument or script line; the message names it.
class ERunArgument : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// --game DIR --level FILE [--frames N] [--keys SCRIPT] [--state OUT.json] [--png FRAME:OUT.png]...
TRunOptions ParseRunOptions(const std::vector<std::string>& args);
// One event a line: "FRAME down KEY" or "FRAME up KEY"; blank lines and lines
// starting with '#' are skipped.
std::vector<TKeyEvent> ParseKeyScript(const std::string& text);
