#include "tools/tqrun/run_options.h"

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
      throw ERunArgument(where + ": want \"FRAME down KEY\" or \"FRAME up KEY\"");
    if (action != "down" && action != "up") throw ERunArgument(where + ": \"" + action + "\" is not down or up");
    events.push_back({parseCount(frame, where + ": the frame", 1), action == "down", key});
  }
  return events;
}
