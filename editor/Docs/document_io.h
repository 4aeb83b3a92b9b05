#pragma once
// Reading and writing the editor's documents: levels (.tql), world maps (.tqw)
// and games (.tqg).
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/Docs/document.h"
#include "editor/Docs/editor_settings.h"

// Why a document could not be read or written.
enum class TDocumentFailure {
  NoName,          // a document never saved
  WrongExtension,  // the name's extension is not the one of the document's kind
  Unreadable,      // the file is there but cannot be read
  Unwritable,      // the file or its folder cannot be written
  SharedCell,      // two object lines name one cell
  OpenInWindow,    // another document window holds the file (Window is its caption)
};

// A document that could not be read or written; what() says why in the
// system's own English, and DocumentFailureText says it in Spanish from Failure,
// FileName, Window and the cell. The file on the disk and the document's modified flag are
// left as they were.
class EDocumentFile : public std::runtime_error {
 public:
  EDocumentFile(TDocumentFailure failure, std::filesystem::path fileName, const std::string& what,
                std::string window = {})
      : std::runtime_error(what), Failure(failure), FileName(std::move(fileName)), Window(std::move(window)) {}
  TDocumentFailure Failure;
  std::filesystem::path FileName;
  std::string Window;
  int CellColumn = 0, CellRow = 0;  // the cell two objects share (SharedCell)
};
class EDocumentRead : public EDocumentFile {
 public:
  using EDocumentFile::EDocumentFile;
};
class EDocumentWrite : public EDocumentFile {
 public:
  using EDocumentFile::EDocumentFile;
};

// The Spanish text of the box that reports the failure to the author (Windows-1252).
std::string DocumentFailureText(const EDocumentRead& e);
std::string DocumentFailureText(const EDocumentWrite& e);

// [Options] Password of a file, read before the document is opened.
std::string ReadDocumentPassword(const std::filesystem::path& fileName);

// Fill a document from a file; a missing file or key gives the kind's defaults.
// These and ReadDocumentPassword throw EDocumentRead for a file that is there but
// cannot be read: taken for an empty one, a save would replace it.
// [Sprites] fills Objects with every line that is an object: a key line with a
// value, the first of its key. The game builds a sprite of each key line, every
// one with the value of its key's first line, and takes the first key line for
// the player's start; the other lines (a second line of a key, a key without a
// value, a line without a key, comments) go to KeptSpriteLines, as read, and
// are written back where they stood. [Options] keeps its comments, blank lines
// and later lines of a key the same way (KeptOptionLines), each before the key
// that followed it.
void ReadLevelDocument(TDocument& doc, const std::filesystem::path& fileName);
void ReadWorldDocument(TDocument& doc, const std::filesystem::path& fileName);
void ReadGameDocument(TDocument& doc, const std::filesystem::path& fileName);

// What became of the file a save of the document writes since the document
// last read or wrote it (FileBytes): as it was; changed (another program wrote
// or made it); or gone (removed or moved away).
enum class TFileSinceRead { Unchanged, Changed, Gone };
TFileSinceRead FileSinceRead(const TDocument& doc);

// Opens a file as the kind its extension names, with its password; FileName and
// DocKind are set. Throws std::invalid_argument for an extension that names no kind.
TDocument LoadDocument(const std::filesystem::path& fileName);

// Writes the document to its FileName, the name as written (see
// platform::writePath), in the format of its DocKind. A level or
// a world map goes into its file as read (FileBytes: its other sections stay),
// with [Options] written anew after them (the editor's keys, then the keys it
// does not write, with its other lines kept as read where they stood) and
// [Sprites] last: the objects, and the lines kept as read where they stood. A
// game is its text, each line ended by CR LF. Clears Modified and keeps the
// bytes written in FileBytes on success. Throws EDocumentWrite when the name
// is empty, when its extension is not the one of the document's kind, when two
// objects name one cell (the game would build both from the first one's value),
// when a file already there cannot be read, or when the file cannot be written
// ("Unable to write to <file>").
void WriteDocument(TDocument& doc);

// Documents as the properties dialog creates them, before the dialog's own fields.
TDocument NewLevelDocument(const TNewLevelSettings& settings);
TDocument NewWorldDocument(const TNewLevelSettings& settings);
