#pragma once
// The replace dialog and the replacement of one object kind by another.
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

// Every object of findKind becomes "<key>=<newKind>,1," (its other fields are
// dropped), in place. The document is marked modified when it holds any object.
// Answers how many objects were replaced.
int ReplaceObjects(TDocument& doc, int findKind, int newKind);
