#include "editor/Docs/document_io.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

#include "editor/Docs/document_keys.h"
#include "editor/Docs/line_helpers.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"

namespace {

constexpr const char* options = "Options";
constexpr const char* sprites = "Sprites";

// Each missing key, or an integer key that holds no number, keeps the field's value.
void readKeys(const platform::IniFile& ini, TDocument& doc, std::span<const TOptionKey> keys) {
  for (const TOptionKey& key : keys) {
    std::visit(
        [&](auto member) {
          auto& field = doc.*member;
          using T = std::decay_t<decltype(field)>;
          if constexpr (std::is_same_v<T, std::string>)
            field = ini.readString(options, key.name, field);
          else if constexpr (std::is_same_v<T, bool>)
            field = ini.readBool(options, key.name, field);
          else
            field = ini.readInteger(options, key.name, field);
        },
        key.field);
  }
}

// A line break inside a value would end its line and start a key of its own.
std::string oneLine(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

// The editor's [Options] keys of a document's kind, in the order it writes them.
std::vector<TOptionKey> optionKeysOf(TDocKind kind) {
  std::vector<TOptionKey> keys;
  for (auto part : {kind == DocLevel ? LevelOptionKeys() : WorldOptionKeys(), SharedOptionKeys()})
    keys.insert(keys.end(), part.begin(), part.end());
  return keys;
}

// A key's line as the profile routines write it: decimal numbers, booleans 1 and 0.
std::string optionLine(const TDocument& doc, const TOptionKey& key) {
  return std::string(key.name) + "=" + std::visit(
      [&](auto member) -> std::string {
        const auto& field = doc.*member;
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::string>)
          return oneLine(field);
        else if constexpr (std::is_same_v<T, bool>)
          return field ? "1" : "0";
        else
          return std::to_string(field);
      },
      key.field);
}

// The file's bytes, or nothing when there is no file.
std::optional<std::string> readWholeFile(const std::filesystem::path& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

platform::IniFile iniOf(const std::optional<std::string>& bytes) {
  platform::IniFile ini;
  if (bytes) ini.loadFromText(*bytes);
  return ini;
}

// A game's text as the file will hold it: every line ended by CR LF.
std::string gameFileBytes(std::string_view text) {
  std::string out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.append(line).append("\r\n");
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return out;
}

// One object a cell, as on the grid: of two object lines in one cell the game
// would give the second the first one's value, or draw it over the first, and
// the author's other object would be gone without a word.
void checkOneLinePerCell(const TDocument& doc) {
  std::unordered_set<int> cells;
  for (const std::string& line : doc.Objects) {
    const std::optional<int> cell = CellOfLine(line);
    if (!cell || cells.insert(*cell).second) continue;
    EDocumentWrite shared(TDocumentFailure::SharedCell, doc.FileName,
                          "Unable to write to " + doc.FileName.string() + ": two objects in cell " + std::to_string(*cell));
    shared.CellColumn = int(uint32_t(*cell) & 0xFFFF);
    shared.CellRow = int(uint32_t(*cell) >> 16);
    throw shared;
  }
}

// A section written anew: its lines (an empty one is left out but counted)
// with the lines kept as read standing where they stood, each before the line
// its Before counts (after the last when Before is past the end). Nothing when
// there are neither.
std::string sectionText(const char* name, const std::vector<std::string>& lines,
                        const std::vector<TDocument::TKeptLine>& keptLines) {
  std::string out;
  size_t kept = 0;
  const auto keepUpTo = [&](size_t before) {
    for (; kept < keptLines.size() && keptLines[kept].Before <= before; ++kept)
      out.append(keptLines[kept].Text).append("\r\n");
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    keepUpTo(i);
    if (!lines[i].empty()) out.append(lines[i]).append("\r\n");
  }
  keepUpTo(SIZE_MAX);
  return out.empty() ? out : "[" + std::string(name) + "]\r\n" + out;
}

// [Options] as the editor writes it: its own keys in its order, then the keys
// of others, with the lines kept as read where they stood.
std::string optionsSection(const TDocument& doc) {
  std::vector<std::string> lines;
  for (const TOptionKey& key : optionKeysOf(doc.DocKind)) lines.push_back(optionLine(doc, key));
  for (const auto& [key, value] : doc.OtherOptions) lines.push_back(oneLine(key) + "=" + oneLine(value));
  return sectionText(options, lines, doc.KeptOptionLines);
}

// Every line of [Options] that is no key the editor writes: the first line of
// each key it does not know goes to OtherOptions (a level's Name, ShortName or
// ShowInfo, which the game reads); every other line (a comment, a blank line, a
// later line of a key) is kept as read, before the key line that followed it in
// the file. A later line of a key never goes before the first: the game reads
// the first.
void readOptions(const platform::IniFile& ini, TDocument& doc) {
  const std::vector<TOptionKey> known = optionKeysOf(doc.DocKind);
  std::unordered_map<std::string, size_t> placeOf;  // lower-case key -> its line's place in the section written
  for (size_t i = 0; i < known.size(); ++i) placeOf.emplace(platform::lowerCase(known[i].name), i);
  std::unordered_set<std::string> read;
  doc.OtherOptions.clear();
  doc.KeptOptionLines.clear();
  size_t waiting = 0;  // kept lines from here on stand before the next key line
  for (platform::IniFile::SectionLine& line : ini.readSectionLines(options)) {
    const std::string key = platform::lowerCase(line.key);
    if (line.isKey && !key.empty() && read.insert(key).second) {
      auto place = placeOf.find(key);
      if (place == placeOf.end()) {
        place = placeOf.emplace(key, known.size() + doc.OtherOptions.size()).first;
        doc.OtherOptions.emplace_back(line.key, line.value);
      }
      for (; waiting < doc.KeptOptionLines.size(); ++waiting)
        doc.KeptOptionLines[waiting].Before = std::max(doc.KeptOptionLines[waiting].Before, place->second);
      continue;
    }
    const bool laterLine = line.isKey && read.count(key);
    doc.KeptOptionLines.push_back({laterLine ? placeOf.at(key) + 1 : 0, std::move(line.text)});
  }
  for (; waiting < doc.KeptOptionLines.size(); ++waiting) doc.KeptOptionLines[waiting].Before = SIZE_MAX;
  std::stable_sort(doc.KeptOptionLines.begin(), doc.KeptOptionLines.end(),
                   [](const auto& a, const auto& b) { return a.Before < b.Before; });
}

// [Sprites] as the file's last section: the object lines with the lines kept as
// read standing where they stood. A line without a cell key would come back as
// a different object.
std::string spritesSection(const TDocument& doc) {
  std::vector<std::string> lines;
  for (const std::string& line : doc.Objects) {
    const std::string key = GetSection(line);
    lines.push_back(key.empty() ? std::string() : oneLine(key) + "=" + oneLine(GetValue(line, -1)));
  }
  return sectionText(sprites, lines, doc.KeptSpriteLines);
}

// Every line of [Sprites]: a key line whose key is new and whose value is not
// empty is an object; every other line is kept as it was read.
void readSprites(const platform::IniFile& ini, TDocument& doc) {
  doc.Objects.clear();
  doc.KeptSpriteLines.clear();
  std::unordered_set<std::string> keys;
  for (platform::IniFile::SectionLine& line : ini.readSectionLines(sprites)) {
    const bool newKey = line.isKey && keys.insert(platform::lowerCase(line.key)).second;
    if (newKey && !line.key.empty() && !line.value.empty())
      doc.Objects.push_back(line.key + "=" + line.value);
    else
      doc.KeptSpriteLines.push_back({doc.Objects.size(), std::move(line.text)});
  }
}

// A document's name is the disk's name; the file a read opens is found through
// the path resolver (any case).
std::filesystem::path onDisk(const std::filesystem::path& fileName) { return platform::resolvePath(fileName.string()); }

// The file a save of the document writes: its name as the author chose it,
// never another file whose name differs only in letter case.
std::filesystem::path savedTo(const std::filesystem::path& fileName) { return platform::writePath(fileName.string()); }

// The file found on the disk for a document's name, checked to be readable.
std::filesystem::path readable(const std::filesystem::path& fileName) {
  std::filesystem::path path = onDisk(fileName);
  if (platform::existsButUnreadable(path))
    throw EDocumentRead(TDocumentFailure::Unreadable, fileName, "Unable to read " + fileName.string());
  return path;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }
std::string quoted(const std::filesystem::path& fileName) { return quoted(platform::pathText(fileName)); }

}  // namespace

std::string DocumentFailureText(const EDocumentRead& e) {
  return "No se pudo abrir " + quoted(e.FileName) + ": el archivo existe pero no se puede leer.";
}

std::string DocumentFailureText(const EDocumentWrite& e) {
  const std::string file = quoted(e.FileName);
  switch (e.Failure) {
    case TDocumentFailure::NoName: return "El documento no tiene nombre de archivo.";
    case TDocumentFailure::WrongExtension:
      return "No se pudo guardar " + file + ": el nombre no termina en la extensi\xF3n del tipo de documento.";
    case TDocumentFailure::Unreadable:
      return "No se pudo guardar " + file + ": el archivo existe pero no se puede leer, y guardar borrar\xED" "a lo que contiene.";
    case TDocumentFailure::SharedCell:
      return "No se pudo guardar " + file + ": dos objetos ocupan la misma celda (columna " +
             std::to_string(e.CellColumn) + ", fila " + std::to_string(e.CellRow) +
             ") y el juego mostrar\xED" "a s\xF3lo uno.";
    case TDocumentFailure::OpenInWindow:
      return "No se pudo guardar " + file + ": el archivo est\xE1 abierto en la ventana " + quoted(e.Window) +
             ". Ci\xE9rrela antes de guardar con ese nombre.";
    case TDocumentFailure::Unwritable: break;
  }
  return "No se pudo guardar " + file + ": no se puede escribir el archivo.";
}

std::string ReadDocumentPassword(const std::filesystem::path& fileName) {
  return platform::IniFile(readable(fileName)).readString(options, "Password", "");
}

void ReadLevelDocument(TDocument& doc, const std::filesystem::path& fileName) {
  std::optional<std::string> bytes = readWholeFile(readable(fileName));
  const platform::IniFile ini = iniOf(bytes);
  TDocument defaults;  // the level defaults
  readKeys(ini, defaults, LevelOptionKeys());
  readKeys(ini, defaults, SharedOptionKeys());
  defaults.FileName = doc.FileName;
  defaults.DocKind = DocLevel;
  defaults.Modified = doc.Modified;
  readSprites(ini, defaults);
  readOptions(ini, defaults);
  defaults.FileBytes = std::move(bytes);
  doc = std::move(defaults);
}

void ReadWorldDocument(TDocument& doc, const std::filesystem::path& fileName) {
  std::optional<std::string> bytes = readWholeFile(readable(fileName));
  const platform::IniFile ini = iniOf(bytes);
  TDocument world;
  world.FileName = doc.FileName;
  world.Modified = doc.Modified;
  world.DocKind = DocWorldMap;
  world.BgColor = 14741656;
  world.Width = 20;
  world.ImageLib = "sprites\\map.iml";
  // World maps show no ice: a missing colour is 0, and one the file holds is
  // kept as it stands.
  world.Ice1Color = 0;
  world.Ice2Color = 0;
  world.Name = ini.readString(options, "Name", "");
  world.ShortName = ini.readString(options, "ShortName", world.Name);
  world.InitialInfo = ini.readBool(options, "InitialInfo", true);
  readKeys(ini, world, SharedOptionKeys());
  readSprites(ini, world);
  readOptions(ini, world);
  world.FileBytes = std::move(bytes);
  doc = std::move(world);
}

void ReadGameDocument(TDocument& doc, const std::filesystem::path& fileName) {
  doc.DocKind = DocGame;
  doc.FileBytes = readWholeFile(readable(fileName));
  doc.Text = doc.FileBytes.value_or("");
}

TFileSinceRead FileSinceRead(const TDocument& doc) {
  const std::filesystem::path path = savedTo(doc.FileName);
  // A file that cannot be read cannot be told to be the one read.
  if (platform::existsButUnreadable(path)) return TFileSinceRead::Changed;
  const std::optional<std::string> now = readWholeFile(path);
  if (now == doc.FileBytes) return TFileSinceRead::Unchanged;
  return now ? TFileSinceRead::Changed : TFileSinceRead::Gone;
}

TDocument LoadDocument(const std::filesystem::path& fileName) {
  std::optional<TDocKind> kind = DocKindOfFileName(fileName);
  if (!kind) throw std::invalid_argument("\"" + fileName.string() + "\" is not a level (.tql), world map (.tqw) or game (.tqg) file");
  TDocument doc;
  doc.FileName = fileName;
  switch (*kind) {
    case DocLevel: ReadLevelDocument(doc, fileName); break;
    case DocWorldMap: ReadWorldDocument(doc, fileName); break;
    case DocGame: ReadGameDocument(doc, fileName); break;
  }
  doc.Password = ReadDocumentPassword(fileName);
  return doc;
}

void WriteDocument(TDocument& doc) {
  if (doc.FileName.empty()) throw EDocumentWrite(TDocumentFailure::NoName, "", "The document has no file name");
  std::optional<TDocKind> kind = DocKindOfFileName(doc.FileName);
  if (kind != doc.DocKind)
    throw EDocumentWrite(TDocumentFailure::WrongExtension, doc.FileName,
                         "Unable to write to " + doc.FileName.string() + ": the name must end in " +
                             DocKindExtension(doc.DocKind));
  std::string bytes;
  if (doc.DocKind == DocGame) {
    bytes = gameFileBytes(doc.Text);
  } else {
    checkOneLinePerCell(doc);
    // The file as the document read it, with its own other sections; not the
    // file that a copy saved under another name replaces.
    platform::IniFile ini = iniOf(doc.FileBytes);
    ini.eraseSection(options);
    ini.eraseSection(sprites);
    bytes = ini.toText() + optionsSection(doc) + spritesSection(doc);
  }
  const std::filesystem::path path = savedTo(doc.FileName);
  // A file there that cannot be read is not one to write over blindly.
  if (platform::existsButUnreadable(path))
    throw EDocumentWrite(TDocumentFailure::Unreadable, doc.FileName, "Unable to read " + path.string());
  try {
    platform::writeFileAtomically(path, bytes);
  } catch (const platform::IniWriteError& e) {
    throw EDocumentWrite(TDocumentFailure::Unwritable, doc.FileName, e.what());
  }
  doc.FileBytes = std::move(bytes);
  doc.Modified = false;
}

TDocument NewLevelDocument(const TNewLevelSettings& settings) {
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.BgImage = settings.BgImage;
  doc.MIDIFile = settings.MidiFile;
  doc.ImageLib = settings.ImageLib;
  doc.SoundLib = settings.SoundLib;
  return doc;
}

TDocument NewWorldDocument(const TNewLevelSettings& settings) {
  TDocument doc;
  doc.DocKind = DocWorldMap;
  doc.Name = "WORLD 1";
  doc.ShortName = "1";
  doc.BgColor = 9886975;
  doc.Width = 20;
  doc.MIDIFile = "music\\map\\world 1.mid";
  doc.ImageLib = "sprites\\map.iml";
  doc.SoundLib = settings.SoundLib;
  return doc;
}
