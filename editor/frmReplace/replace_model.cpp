#include "editor/frmReplace/replace_model.h"

#include "editor/Docs/line_helpers.h"
#include "editor/frmFind/find_model.h"

void TfmReplaceModel::Prepare(const std::string* selectedLine) {
  FindKind.Show();
  NewKind.Show();
  if (selectedLine) FindKind.SetKind(KindOfLine(*selectedLine));
  NewKind.SetKind(FindKind.Kind);
}

int ReplaceObjects(TDocument& doc, int findKind, int newKind) {
  int replaced = 0;
  for (std::string& line : doc.Objects)
    if (LineHasKind(line, findKind)) {
      line = GetSection(line) + "=" + std::to_string(newKind) + ",1,";
      ++replaced;
    }
  if (!doc.Objects.empty()) doc.Modified = true;
  return replaced;
}
