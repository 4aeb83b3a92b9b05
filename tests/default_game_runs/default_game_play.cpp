#include "default_game_play.h"

#include <fstream>
#include <sstream>
#include <string>

std::vector<TKeyEvent> KeyScriptFrom(const char* file, int start) {
  std::ifstream in(std::string(TQ_SOURCE_DIR) + "/tests/default_game_runs/" + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<TKeyEvent> script = ParseKeyScript(text.str());
  EXPECT_FALSE(script.empty()) << file;
  for (TKeyEvent& e : script) e.frame += start;
  return script;
}
