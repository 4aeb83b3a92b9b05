#pragma once
// Reading and writing the editor's documents: levels (.tql), world maps (.tqw)
// and games (.tqg).
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/Docs/document.h"
#include "editor/Docs/editor_settings.h"

namespace platform {
class IniFile;
}

// A save that could not be carried out; the message says why. The old file and
// the document's modified flag are left as they were.
class EDocumentWrite : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// [Options] Password of a file, read before the document is opened.
std::string ReadDocumentPassword(const std::filesystem::path& fileName);

// Fill a document from a file; a missing file or key gives the kind's defaults.
void ReadLevelDocument(TDocument& doc, const std::filesystem::path& fileName);
void ReadWorldDocument(TDocument& doc, const std::filesystem::path& fileName);
void ReadGameDocument(TDocument& doc, const std::filesystem::path& fileName);
// Every "key=value" line of [Sprites] in file order; lines with an empty value are left out.
std::vector<std::string> ReadObjectList(const platform::IniFile& ini);

// Opens a file as the kind its extension names, with its password; FileName and
// DocKind are set. Throws std::invalid_argument for an extension that names no kind.
TDocument LoadDocument(const std::string& fileName);

// Writes the document to its FileName in the format of its DocKind; clears
// Modified on success. Throws EDocumentWrite when the name is empty, when its
// extension is not the one of the document's kind, or when the file cannot be
// written ("Unable to write to <file>").
void WriteDocument(TDocument& doc);

// Documents as the properties dialog creates them, before the dialog's own fields.
TDocument NewLevelDocument(const TNewLevelSettings& settings);
TDocument NewWorldDocument(const TNewLevelSettings& settings);
