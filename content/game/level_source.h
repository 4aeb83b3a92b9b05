#pragma once
// Readable sources of the default game's level and world-map files.
//
// A source is a text file of three sections:
//   [Options]  KEY=VALUE lines for the file's [Options] (a colour may be written
//              rgb(R,G,B)); every key not given keeps the editor's default, and
//              Width and Height default to the size of the map.
//   [Legend]   "C = VALUE" or "C LABEL = VALUE": the map character C stands for an
//              object whose line value is VALUE ("46,1,62"; a bare kind "49" means
//              "49,1"). "{LABEL}" inside a value becomes the object number of the
//              labelled object, the number a pipe or door uses as its target.
//   [Map]      one text row per grid row; '.' and ' ' are empty cells.
// ';' starts a comment line outside [Map]. The object lines are written in legend
// order (so the legend decides what is drawn over what), each legend entry's cells
// row by row; the player '@' (kind 0) always comes first.
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace content::game {

enum class DocumentKind { Level, World };

class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ObjectLine {
  int row = 0;
  int column = 0;
  std::string value;  // "kind,visible,fields..."
  int cellKey() const { return row * 65536 + column; }
};

struct CompiledDocument {
  DocumentKind kind = DocumentKind::Level;
  std::vector<std::pair<std::string, std::string>> options;  // in the editor's key order
  std::vector<ObjectLine> objects;                           // in file order
};

// Throws SourceError with "<name>:<line>: <reason>" for anything that would not
// make a valid document.
CompiledDocument compileSource(std::string_view text, DocumentKind kind, const std::string& name = "source");

// The document as the editor would save it: [Options] then [Sprites], CR LF lines.
std::string documentText(const CompiledDocument& doc);

// True when the game adds a plant sprite just before this object (a pipe-like
// kind whose field 3 is a plant code 1..10), which shifts every later sprite.
bool addsPlant(std::string_view value);

}  // namespace content::game
