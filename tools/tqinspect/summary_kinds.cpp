#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/tqinspect/inspect.h"
#include "tools/tqinspect/midi_summary.h"

namespace {
const TSummaryKind kinds[] = {
    {".iml", "image library", SummarizeImageLibrary},
    {".sdl", "sound library", SummarizeSoundLibrary},
    {".bmp", "bitmap", SummarizeBitmap},
    {".tql", "level", SummarizeLevel},
    {".tqw", "world map", SummarizeWorld},
    {".tqg", "game", SummarizeGame},
    {".mid", "MIDI music", SummarizeMidi},
};
}  // namespace

std::span<const TSummaryKind> SummaryKinds() { return kinds; }

std::string ReadFileBytes(const std::string& fileName) {
  std::error_code ec;
  if (std::filesystem::is_directory(fileName, ec)) throw TInspectError("a folder, not a file");
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw TInspectError("cannot open the file");
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw TInspectError("cannot read the file");
  return content.str();
}
