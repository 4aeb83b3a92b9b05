#include "editor/Docs/document_io.h"

#include <fstream>
#include <sstream>
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

void writeKeys(platform::IniFile& ini, const TDocument& doc, std::span<const TOptionKey> keys) {
  for (const TOptionKey& key : keys) {
    std::visit(
        [&](auto member) {
          const auto& field = doc.*member;
          using T = std::decay_t<decltype(field)>;
          if constexpr (std::is_same_v<T, std::string>)
            ini.writeString(options, key.name, oneLine(field));
          else if constexpr (std::is_same_v<T, bool>)
            ini.writeBool(options, key.name, field);
          else
            ini.writeInteger(options, key.name, field);
        },
        key.field);
  }
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
    if (cell && !cells.insert(*cell).second)
      throw EDocumentWrite(TDocumentFailure::SharedCell, doc.FileName,
                           "Unable to write to " + doc.FileName.string() + ": two objects in cell " + std::to_string(*cell));
  }
}

// The [Options] lines of keys the editor does not write (a level's Name,
// ShortName or ShowInfo, which the game reads), the first of each key.
std::vector<std::pair<std::string, std::string>> keysOfOthers(const platform::IniFile& ini, TDocKind kind) {
  std::unordered_set<std::string> known;
  for (auto keys : {kind == DocLevel ? LevelOptionKeys() : WorldOptionKeys(), SharedOptionKeys()})
    for (const TOptionKey& key : keys) known.insert(platform::lowerCase(key.name));
  std::vector<std::pair<std::string, std::string>> others;
  for (const std::string& line : ini.readSectionValues(options)) {
    std::string key = GetSection(line);
    if (!key.empty() && known.insert(platform::lowerCase(key)).second) others.emplace_back(std::move(key), GetValue(line, -1));
  }
  return others;
}

void writeOptions(platform::IniFile& ini, const TDocument& doc) {
  ini.eraseSection(options);
  writeKeys(ini, doc, doc.DocKind == DocLevel ? LevelOptionKeys() : WorldOptionKeys());
  writeKeys(ini, doc, SharedOptionKeys());
  // Written anew, [Options] keeps what the author put there besides the editor's keys.
  for (const auto& [key, value] : doc.OtherOptions) ini.writeString(options, oneLine(key), oneLine(value));
}

// [Sprites] as the file's last section: the object lines with the lines kept as
// read standing where they stood (nothing when there are neither).
std::string spritesSection(const TDocument& doc) {
  std::string out;
  size_t kept = 0;
  const auto keepUpTo = [&](size_t before) {
    for (; kept < doc.KeptSpriteLines.size() && doc.KeptSpriteLines[kept].Before <= before; ++kept)
      out.append(doc.KeptSpriteLines[kept].Text).append("\r\n");
  };
  for (size_t i = 0; i < doc.Objects.size(); ++i) {
    keepUpTo(i);
    const std::string& line = doc.Objects[i];
    std::string key = GetSection(line);
    // A line without a cell key would come back as a different object.
    if (key.empty()) continue;
    out.append(oneLine(key)).append("=").append(oneLine(GetValue(line, -1))).append("\r\n");
  }
  keepUpTo(SIZE_MAX);
  return out.empty() ? out : "[" + std::string(sprites) + "]\r\n" + out;
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

// A document's name is the disk's name; the file is found through the path
// resolver (any case).
std::filesystem::path onDisk(const std::filesystem::path& fileName) { return platform::resolvePath(fileName.string()); }

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
      return "No se pudo guardar " + file + ": dos objetos ocupan la misma celda y el juego mostrar\xED" "a s\xF3lo uno.";
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
  defaults.OtherOptions = keysOfOthers(ini, DocLevel);
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
  world.OtherOptions = keysOfOthers(ini, DocWorldMap);
  world.FileBytes = std::move(bytes);
  doc = std::move(world);
}

void ReadGameDocument(TDocument& doc, const std::filesystem::path& fileName) {
  doc.DocKind = DocGame;
  doc.FileBytes = readWholeFile(readable(fileName));
  doc.Text = doc.FileBytes.value_or("");
}

bool FileChangedSinceRead(const TDocument& doc) {
  const std::filesystem::path path = onDisk(doc.FileName);
  // A file that cannot be read cannot be told to be the one read.
  if (platform::existsButUnreadable(path)) return true;
  return readWholeFile(path) != doc.FileBytes;
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
    writeOptions(ini, doc);
    ini.eraseSection(sprites);
    bytes = ini.toText() + spritesSection(doc);
  }
  const std::filesystem::path path = onDisk(doc.FileName);
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
