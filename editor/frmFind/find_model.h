#pragma once
// The find dialog and the search of find and find next over a document's objects.
#include <string>
#include <vector>

#include "editor/frmFind/kind_chooser.h"

inline constexpr const char* kFindCaption = "Buscar";
inline constexpr const char* kFindNothing = "No se encontraron resultados para la b\xFAsqueda.";
inline constexpr const char* kSearching = "Buscando...";
inline constexpr const char* kReady = "Listo";

class TfmFindModel {
 public:
  TKindChooser Chooser;
  // The last showing ended with OK; find next searches only then (so never
  // before a find has been confirmed).
  bool LastOK = false;

  // Before showing: the selected object's kind, when there is a selection.
  void Prepare(const std::string* selectedLine);
  void Close(bool ok) { LastOK = ok; }
};

// The kind in field 0 of an object line, or -1 when it holds no number.
int KindOfLine(const std::string& line);
// Field 0 of the line is the number kind (a line without a number matches none).
bool LineHasKind(const std::string& line, int kind);

// The first object from start on whose kind is kind, or -1 (also for a start
// past the end). No wrap-around.
int FindObject(const std::vector<std::string>& objects, int start, int kind);
