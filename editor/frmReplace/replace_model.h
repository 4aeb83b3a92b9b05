#pragma once
// The replace dialog and the replacement of one object kind by another.
#include <functional>
#include <stdexcept>
#include <string>

#include "editor/Docs/document.h"
#include "editor/frmFind/kind_chooser.h"

inline constexpr const char* kReplaceCaption = "Reemplazar";
inline constexpr const char* kReplacing = "Reemplazando...";

class TfmReplaceModel {
 public:
  TKindChooser FindKind, NewKind;
  // Before showing: the selected object's kind is the kind to find; the new
  // kind starts equal to it.
  void Prepare(const std::string* selectedLine);
};

// What a line of a document of docKind becomes with the new kind: it keeps its
// key, its visible flag and every field whose place means the same to both
// kinds (all of them when both kinds have one properties page). lost says
// whether a field that held something is left out: one the new kind does not
// read, or would read as something else.
std::string ReplacedLine(TDocKind docKind, const std::string& line, int newKind, bool& lost);

// The question asked once before a replacement that would leave out fields of
// count objects.
std::string ReplaceLossQuestion(int count, int findKind, int newKind);

// Kind 0 in the first line is the player's start: the game starts the player in
// its cell and builds no object there, so a replacement of kind 0 that would
// give the first line another kind is refused (the editor would show an object
// the game never builds). what() is the system's English; ReplaceStartText the
// Spanish the author reads.
class EReplaceStart : public std::runtime_error {
 public:
  explicit EReplaceStart(int newKind)
      : std::runtime_error("Kind 0 is the player's start and is not replaced by kind " + std::to_string(newKind)),
        NewKind(newKind) {}
  int NewKind;
};
std::string ReplaceStartText(const EReplaceStart& e);

// Every object of findKind gets newKind as ReplacedLine says, in place. When
// that would leave out fields of any object, confirm is asked the question
// first; without a "yes" nothing is replaced. The document is marked modified
// when a line changed. Answers how many objects were replaced. Throws
// EReplaceStart, having changed nothing, for kind 0 in the first line.
int ReplaceObjects(TDocument& doc, int findKind, int newKind,
                   const std::function<bool(const std::string& question)>& confirm);
