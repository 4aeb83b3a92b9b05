#pragma once
// The fill dialog and the filling of a document's grid with one object kind.
#include <functional>
#include <string>

#include "editor/Docs/document.h"
#include "editor/frmFind/kind_chooser.h"

inline constexpr const char* kFillCaption = "Llenar con...";
inline constexpr const char* kFilling = "Agregando animaciones...";

class TfmFillModel {
 public:
  TKindChooser Chooser;
  bool cbOverwrite = false;  // "Sobreescribir existentes"
  void Prepare(const std::string* selectedLine);
};

// Called for each object added or replaced, with its cell and its index in the
// list (the new selection); and once per cell visited, for the progress bar.
struct TFillEvents {
  std::function<void(int column, int row, int index)> OnAdded;
  std::function<void()> OnStep;
};

// Visits the cells column by column, each from row 0 down: adds "<key>=<kind>,1,"
// to each cell that holds no object (a cell as CellOfLine reads it) and, with
// overwrite, puts the kind in place of the object of a cell that holds another
// one, under the key written there. The first line, the player's start, is
// never overwritten. Marks the document modified when it changed it. Answers
// how many lines were added or replaced.
int FillObjects(TDocument& doc, int kind, bool overwrite, const TFillEvents& events = {});
