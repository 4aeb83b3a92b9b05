#include "content/game/level_source.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

#include "platform/core/ini_file.h"

namespace content::game {
namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

// The keys in the order the editor writes them, with the values of a new document.
Options defaultOptions(DocumentKind kind) {
  const bool level = kind == DocumentKind::Level;
  Options o;
  if (level) {
    o = {{"AddText", ""},   {"Time", "300"},       {"HAutoScroll", "0"}, {"AutoScrollX", "0"},
         {"AutoScrollY", "0"}, {"Rain", "0"},      {"RainDensity", "3000"}, {"RainSpeed", "4"},
         {"BgX", "0"},      {"BgY", "0"},          {"BgWidth", "0"},     {"BgHeight", "0"},
         {"Wrap", "0"}};
  } else {
    o = {{"Name", "WORLD 1"}, {"ShortName", "1"}, {"InitialInfo", "1"}};
  }
  const Options shared = {
      {"BgColor", level ? "16776960" : "9886975"},
      {"WaterColor", "16760121"},
      {"Water2Color", "16770989"},
      {"ShipColor", "3775743"},
      {"Ship2Color", "543438"},
      {"BorderColor", "0"},
      {"GrassColor", "3394611"},
      {"Grass2Color", "39168"},
      {"Ice1Color", "16316664"},
      {"Ice2Color", "13682872"},
      {"Pl1Color", "4906570"},
      {"Pl2Color", "44288"},
      {"SPipe1Color", "10079487"},
      {"SPipe2Color", "13369548"},
      {"FillColor", "0"},
      {"Width", ""},
      {"Height", ""},
      {"BgImage", ""},
      {"ResFactor", "16"},
      {"AnimSpeed", "150"},
      {"PaletteFX", "0"},
      {"MIDIFile", level ? "" : "music\\map\\world 1.mid"},
      {"Password", ""},
      {"ImageLib", level ? "sprites\\game.iml" : "sprites\\map.iml"},
      {"SoundLib", "sounds\\game.sdl"},
  };
  o.insert(o.end(), shared.begin(), shared.end());
  return o;
}

const std::set<std::string> kColourKeys = {"BgColor",  "WaterColor",  "Water2Color", "ShipColor", "Ship2Color",
                                           "BorderColor", "GrassColor", "Grass2Color", "Ice1Color", "Ice2Color",
                                           "Pl1Color", "Pl2Color",    "SPipe1Color", "SPipe2Color", "FillColor"};

std::string trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return std::string(s.substr(first, last - first + 1));
}

std::vector<std::string> splitFields(std::string_view value) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t comma = value.find(',', start);
    fields.emplace_back(value.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

bool toInt(std::string_view text, int& out) {
  if (text.empty()) return false;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && ptr == text.data() + text.size();
}

bool isPlantCapable(int kind) {
  return (kind >= 16 && kind <= 35) || kind == 194 || kind == 195 || kind == 238 || kind == 330;
}

class Compiler {
 public:
  Compiler(DocumentKind kind, std::string name) : kind_(kind), name_(std::move(name)) {
    doc_.kind = kind;
    doc_.options = defaultOptions(kind);
  }

  CompiledDocument run(std::string_view text) {
    enum class Section { None, Options, Legend, Map } section = Section::None;
    size_t pos = 0;
    while (pos <= text.size()) {
      const size_t nl = std::min(text.find('\n', pos), text.size());
      std::string line(text.substr(pos, nl - pos));
      if (!line.empty() && line.back() == '\r') line.pop_back();
      ++lineNo_;
      pos = nl + 1;
      const std::string t = trim(line);
      if (t == "[Options]") section = Section::Options;
      else if (t == "[Legend]") section = Section::Legend;
      else if (t == "[Map]") section = Section::Map;
      else if (section == Section::Map) addMapRow(line);
      else if (t.empty() || t[0] == ';') continue;
      else if (section == Section::Options) addOption(t);
      else if (section == Section::Legend) addLegend(t);
      else fail("text before the first section");
      if (nl == text.size()) break;
    }
    // Trailing empty map rows are not part of the map.
    while (!rows_.empty() && trim(rows_.back().text).empty()) rows_.pop_back();
    return finish();
  }

 private:
  struct Row {
    std::string text;
    int sourceLine;
  };
  struct LegendEntry {
    char symbol;
    std::string label;
    std::string value;
    int sourceLine;
  };

  [[noreturn]] void fail(const std::string& why, int line = -1) const {
    throw SourceError(name_ + ":" + std::to_string(line < 0 ? lineNo_ : line) + ": " + why);
  }

  void addOption(const std::string& t) {
    const auto eq = t.find('=');
    if (eq == std::string::npos) fail("expected KEY=VALUE");
    const std::string key = trim(std::string_view(t).substr(0, eq));
    std::string value = trim(std::string_view(t).substr(eq + 1));
    auto it = std::find_if(doc_.options.begin(), doc_.options.end(), [&](const auto& kv) { return kv.first == key; });
    if (it == doc_.options.end()) fail("unknown option \"" + key + "\"");
    if (kColourKeys.count(key) && value.rfind("rgb(", 0) == 0) value = rgbToColour(value);
    it->second = value;
    given_.insert(key);
  }

  std::string rgbToColour(const std::string& text) const {
    if (text.back() != ')') fail("bad colour " + text);
    const auto parts = splitFields(std::string_view(text).substr(4, text.size() - 5));
    int c[3];
    if (parts.size() != 3) fail("bad colour " + text);
    for (int i = 0; i < 3; ++i)
      if (!toInt(trim(parts[i]), c[i]) || c[i] < 0 || c[i] > 255) fail("bad colour " + text);
    return std::to_string(c[0] | (c[1] << 8) | (c[2] << 16));  // red in the low byte
  }

  void addLegend(const std::string& t) {
    // The first character is the map character itself, which may be '=' too.
    const std::string_view rest = std::string_view(t).substr(1);
    const auto eq = rest.find('=');
    if (eq == std::string_view::npos) fail("expected \"C = VALUE\" or \"C LABEL = VALUE\"");
    LegendEntry e{t[0], trim(rest.substr(0, eq)), trim(rest.substr(eq + 1)), lineNo_};
    if (e.symbol == '.' || e.symbol == ' ') fail("'.' and ' ' are empty cells, not objects");
    if (e.value.find(',') == std::string::npos) e.value += ",1";
    for (const auto& other : legend_)
      if (other.symbol == e.symbol) fail(std::string("map character '") + e.symbol + "' given twice");
    legend_.push_back(std::move(e));
  }

  void addMapRow(const std::string& line) { rows_.push_back({line, lineNo_}); }

  int maxKind() const { return kind_ == DocumentKind::Level ? 363 : 99; }

  void checkValue(const LegendEntry& e) const {
    const auto fields = splitFields(e.value);
    int kind = -1;
    if (!toInt(fields[0], kind) || kind < 0 || kind > maxKind())
      fail("object kind \"" + fields[0] + "\" is not 0.." + std::to_string(maxKind()), e.sourceLine);
    if (fields.size() > 1 && fields[1] != "0" && fields[1] != "1")
      fail("the visible field must be 0 or 1", e.sourceLine);
    if ((e.symbol == '@') != (kind == 0)) fail("'@' and only '@' is the player (kind 0)", e.sourceLine);
  }

  CompiledDocument finish() {
    if (rows_.empty()) fail("no [Map]");
    size_t width = 0;
    for (const auto& r : rows_) {
      const size_t last = r.text.find_last_not_of(" .");
      if (last != std::string::npos) width = std::max(width, last + 1);
    }
    if (width == 0) fail("the map is empty");
    setSize("Width", static_cast<int>(width));
    setSize("Height", static_cast<int>(rows_.size()));
    const int w = std::stoi(option("Width"));
    const int h = std::stoi(option("Height"));
    if (static_cast<int>(rows_.size()) > h) fail("the map has more rows than Height");

    std::map<char, const LegendEntry*> bySymbol;
    for (const auto& e : legend_) {
      checkValue(e);
      bySymbol[e.symbol] = &e;
    }
    std::map<char, std::vector<std::pair<int, int>>> cells;
    for (size_t r = 0; r < rows_.size(); ++r) {
      const auto& text = rows_[r].text;
      for (size_t c = 0; c < text.size(); ++c) {
        const char ch = text[c];
        if (ch == '.' || ch == ' ') continue;
        if (!bySymbol.count(ch)) fail(std::string("map character '") + ch + "' is not in the legend", rows_[r].sourceLine);
        if (static_cast<int>(c) >= w) fail("the row is wider than Width", rows_[r].sourceLine);
        cells[ch].emplace_back(static_cast<int>(r), static_cast<int>(c));
      }
    }
    if (cells['@'].size() != 1) fail("the map needs exactly one player '@'");

    // File order: the player, then the legend entries in their order.
    std::vector<const LegendEntry*> order;
    if (bySymbol.count('@')) order.push_back(bySymbol['@']);
    else fail("the legend has no player '@ = 0'");
    for (const auto& e : legend_)
      if (e.symbol != '@') order.push_back(&e);

    std::map<std::string, int> objectNumber;  // label -> number a pipe names as its target
    int plantsBefore = 0;
    for (const auto* e : order) {
      const auto& at = cells[e->symbol];
      if (!e->label.empty() && at.size() != 1)
        fail("labelled object '" + std::string(1, e->symbol) + "' must stand in exactly one cell", e->sourceLine);
      for (const auto& [r, c] : at) {
        const int line = static_cast<int>(doc_.objects.size());
        if (!e->label.empty()) {
          // The game finds the object as sprite number + 38, and each plant sprite
          // added before it moves it one further.
          if (!objectNumber.emplace(e->label, line + plantsBefore + (addsPlant(e->value) ? 1 : 0)).second)
            fail("label \"" + e->label + "\" given twice", e->sourceLine);
        }
        if (addsPlant(e->value)) ++plantsBefore;
        doc_.objects.push_back({r, c, e->value});
      }
    }
    for (auto& obj : doc_.objects) obj.value = resolveLabels(obj.value, objectNumber);
    return doc_;
  }

  std::string resolveLabels(const std::string& value, const std::map<std::string, int>& numbers) const {
    std::string out;
    size_t pos = 0;
    while (true) {
      const size_t open = value.find('{', pos);
      if (open == std::string::npos) break;
      const size_t close = value.find('}', open);
      if (close == std::string::npos) fail("unclosed \"{\" in " + value);
      const std::string label = value.substr(open + 1, close - open - 1);
      const auto it = numbers.find(label);
      if (it == numbers.end()) fail("no object is labelled \"" + label + "\"");
      out += value.substr(pos, open - pos) + std::to_string(it->second);
      pos = close + 1;
    }
    return out + value.substr(pos);
  }

  void setSize(const std::string& key, int fromMap) {
    if (!given_.count(key)) option(key) = std::to_string(fromMap);
    int v = 0;
    if (!toInt(option(key), v) || v <= 0 || v > 65535) fail(key + " must be 1..65535");
  }

  std::string& option(const std::string& key) {
    return std::find_if(doc_.options.begin(), doc_.options.end(), [&](const auto& kv) { return kv.first == key; })
        ->second;
  }

  DocumentKind kind_;
  std::string name_;
  int lineNo_ = 0;
  CompiledDocument doc_;
  std::set<std::string> given_;
  std::vector<LegendEntry> legend_;
  std::vector<Row> rows_;
};

}  // namespace

bool addsPlant(std::string_view value) {
  const auto fields = splitFields(value);
  int kind = -1, code = 0;
  return toInt(fields[0], kind) && isPlantCapable(kind) && fields.size() > 3 && toInt(fields[3], code) &&
         code >= 1 && code <= 10;
}

CompiledDocument compileSource(std::string_view text, DocumentKind kind, const std::string& name) {
  return Compiler(kind, name).run(text);
}

std::string documentText(const CompiledDocument& doc) {
  platform::IniFile ini;
  for (const auto& [key, value] : doc.options) ini.writeString("Options", key, value);
  for (const auto& obj : doc.objects) ini.writeString("Sprites", std::to_string(obj.cellKey()), obj.value);
  return ini.toText();
}

}  // namespace content::game
