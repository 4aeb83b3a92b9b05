#include "tools/tqinspect/inspect.h"
#include "tools/tqinspect/profile_check.h"

void SummarizeGame(const std::string& fileName, std::ostream& out) {
  TProfileText text = ReadProfileText(fileName);
  if (!text.ini.sectionExists("Options")) throw TInspectError("no [Options] section: not a game file");
  CheckIntegerKeys(text, "Options", {"Lifes"});
  CheckRange(text, "Options", "Lifes", 0, 99999);
  // The game's defaults for what is missing.
  int lives = text.ini.readInteger("Options", "Lifes", 5);
  std::string map = text.ini.readString("Options", "MapFile", "");
  out << "game: " << fileName << '\n'
      << "  lives: " << lives << '\n'
      << "  first world map: " << (map.empty() ? "(none)" : map) << '\n';
}
