#include "tools/tqinspect/grid_document.h"

#include <climits>
#include <iomanip>
#include <map>

#include "editor/Docs/line_helpers.h"
#include "game/ObjectLine/object_line.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "tools/tqinspect/inspect.h"

namespace {

constexpr const char* options = "Options";
constexpr const char* sprites = "Sprites";

std::string lineError(int line, const std::string& why) { return "line " + std::to_string(line) + ": " + why; }

std::string colour(TColor c) {
  std::ostringstream s;
  s << c << " (red " << (c & 0xFF) << ", green " << ((c >> 8) & 0xFF) << ", blue " << ((c >> 16) & 0xFF) << ')';
  return s.str();
}

std::string orNone(const std::string& s) { return s.empty() ? "(none)" : s; }

}  // namespace

void CheckSharedOptions(const TProfileText& text) {
  CheckIntegerKeys(text, options,
                   {"BgColor", "WaterColor", "Water2Color", "ShipColor", "Ship2Color", "BorderColor", "GrassColor",
                    "Grass2Color", "Ice1Color", "Ice2Color", "Pl1Color", "Pl2Color", "SPipe1Color", "SPipe2Color",
                    "FillColor", "Width", "Height", "ResFactor", "AnimSpeed", "PaletteFX"});
  // The grid is Width x Height cells of ResFactor pixels; cells are 16-bit.
  CheckRange(text, options, "Width", 1, 65535);
  CheckRange(text, options, "Height", 1, 65535);
  CheckRange(text, options, "ResFactor", 1, 1024);
  CheckRange(text, options, "AnimSpeed", 0, INT_MAX);
  CheckRange(text, options, "PaletteFX", 0, 7);
}

void CheckObjectLines(const TProfileText& text, int kindCount, const char* kindName) {
  for (const TProfileKey& key : text.keys) {
    // The line as the programs read it.
    const std::string value = platform::profileValue(key.value);
    if (!platform::sameText(key.section, sprites) || value.empty()) continue;
    if (!CellOfKey(key.name))
      throw TInspectError(lineError(key.line, "object key \"" + key.name + "\" is not a cell number"));
    const std::string line = key.name + "=" + value;
    const std::optional<int> kind = KindOfObjectLine(line);
    const std::string field = GetValue(line, 0);
    if (!kind || *kind < 0 || *kind >= kindCount)
      throw TInspectError(lineError(key.line, "object kind \"" + field + "\" is not a " + kindName + " kind (0.." +
                                                  std::to_string(kindCount - 1) + ")"));
  }
}

void PrintSharedOptions(const TDocument& doc, std::ostream& out) {
  out << "  size: " << doc.Width << " x " << doc.Height << " cells of " << doc.ResFactor << " pixels\n"
      << "  image library: " << orNone(doc.ImageLib) << '\n'
      << "  sound library: " << orNone(doc.SoundLib) << '\n'
      << "  music: " << orNone(doc.MIDIFile) << '\n'
      << "  background image: " << orNone(doc.BgImage) << '\n'
      << "  background colour: " << colour(doc.BgColor) << '\n'
      << "  fill colour: " << colour(doc.FillColor) << '\n'
      << "  animation time: " << doc.AnimSpeed << " ms\n"
      << "  palette effect: " << doc.PaletteFX << '\n'
      << "  password: " << (doc.Password.empty() ? "no" : "yes") << '\n';
}

void PrintObjects(const TDocument& doc, std::ostream& out) {
  out << "  objects: " << doc.Objects.size() << '\n';
  if (doc.Objects.empty()) return;
  const std::string& first = doc.Objects.front();
  const TObjectCell cell = CellOfKey(GetSection(first)).value_or(TObjectCell{});
  out << "  first object: kind " << GetValue(first, 0) << " at column " << cell.column << ", row " << cell.row << '\n';
  std::map<int, int> kinds;
  for (const std::string& line : doc.Objects) ++kinds[KindOfObjectLine(line).value_or(-1)];
  out << "  kinds:";
  for (auto [kind, count] : kinds) out << ' ' << kind << 'x' << count;
  out << '\n';
}

void PrintOtherSections(const TProfileText& text, std::ostream& out) {
  std::string others;
  for (const std::string& s : text.sections)
    if (!platform::sameText(s, options) && !platform::sameText(s, sprites)) others += " [" + s + "]";
  if (!others.empty()) out << "  other sections:" << others << '\n';
}
