#include "tools/tqrun/run_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace {

int parseCount(const std::string& text, const std::string& what, int minimum) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < minimum)
    throw ERunArgument(what + " must be a whole number of at least " + std::to_string(minimum) + ": \"" + text +
                       "\"");
  return value;
}

}  // namespace

TRunOptions ParseRunOptions(const std::vector<std::string>& args) {
  TRunOptions o;
  if (std::find(args.begin(), args.end(), "--help") != args.end()) {
    o.help = true;
    return o;
  }
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw ERunArgument(a + " needs a value");
      return args[++i];
    };
    if (a == "--game") {
      o.gameDir = value();
    } else if (a == "--level") {
      o.levelFile = value();
    } else if (a == "--frames") {
      o.frames = parseCount(value(), "--frames", 1);
    } else if (a == "--keys") {
      o.keysFile = value();
    } else if (a == "--state") {
      o.stateFile = value();
    } else if (a == "--png") {
      const std::string& v = value();
      const size_t colon = v.find(':');
      if (colon == std::string::npos || colon + 1 >= v.size())
        throw ERunArgument("--png wants FRAME:OUT.png, not \"" + v + "\"");
      o.pngs.push_back({parseCount(v.substr(0, colon), "the --png frame", 1), v.substr(colon + 1)});
    } else {
      throw ERunArgument("unknown argument \"" + a + "\"");
    }
  }
  if (o.gameDir.empty()) throw ERunArgument("--game DIR is missing");
  if (o.levelFile.empty()) throw ERunArgument("--level FILE is missing");
  for (const TPngRequest& p : o.pngs)
    if (p.frame > o.frames) throw ERunArgument("--png frame " + std::to_string(p.frame) + " is past the last frame");
  return o;
}

std::vector<TKeyEvent> ParseKeyScript(const std::string& text) {
  std::vector<TKeyEvent> events;
  std::istringstream in(text);
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string frame, action, key, extra;
    if (!(words >> frame) || frame.front() == '#') continue;
    const std::string where = "key script line " + std::to_string(lineNumber);
    if (!(words >> action >> key) || (words >> extra))
      throw ERunArgument(where + ": want \"FRAME down KEY\", \"FRAME up KEY\" or \"FRAME code WORD\"");
    const int at = parseCount(frame, where + ": the frame", 1);
    if (action == "code") {
      // As the game takes a code's letters: letters and '_', in capitals.
      std::string code;
      for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isalpha(u) && c != '_') throw ERunArgument(where + ": a secret code is letters and '_': \"" + key + "\"");
        code += static_cast<char>(std::toupper(u));
      }
      events.push_back({at, true, "", code});
      continue;
    }
    if (action != "down" && action != "up")
      throw ERunArgument(where + ": \"" + action + "\" is not down, up or code");
    events.push_back({at, action == "down", key, ""});
  }
  return events;
}

std::string RunUsage() {
  std::string names;
  for (const char* name : kKeyNames) names += std::string(names.empty() ? "" : ", ") + name;
  return "usage: tqrun --game DIR --level FILE [--frames N] [--keys SCRIPT] [--state OUT.json]\n"
         "             [--png FRAME:OUT.png]...\n"
         "       tqrun --help\n"
         "Plays the level FILE with the program folder DIR (its Hopz.ini and libraries), without a display\n"
         "and silent, 25 ms a frame, for N frames (1 unless given) or until the level hands over to its map;\n"
         "writes the state of every frame as JSON to OUT.json (or standard output) and frame FRAME as the\n"
         "PNG image OUT.png. The key script SCRIPT holds one event a line ('#' starts a comment line):\n"
         "  FRAME down KEY    KEY goes down at frame FRAME (frames count from 1)\n"
         "  FRAME up KEY      KEY is let go\n"
         "  FRAME code WORD   the secret code WORD is typed: Backspace, its letters, Backspace\n"
         "                    (when the game's settings allow secret codes)\n"
         "KEY is " + names + " (the game's keys as its Hopz.ini sets them), or a virtual-key code\n"
         "from 1 to 255.\n";
}
