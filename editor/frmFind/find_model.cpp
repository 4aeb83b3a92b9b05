#include "editor/frmFind/find_model.h"

#include "editor/Docs/line_helpers.h"
#include "game/ObjectLine/object_line.h"

void TfmFindModel::Prepare(const std::string* selectedLine) {
  Chooser.Show();
  if (selectedLine) Chooser.SetKind(KindOfLine(*selectedLine));
}

int KindOfLine(const std::string& line) { return KindOfObjectLine(line).value_or(-1); }

bool LineHasKind(const std::string& line, int kind) { return KindOfObjectLine(line) == kind; }

int FindObject(const std::vector<std::string>& objects, int start, int kind) {
  if (start < 0) start = 0;
  for (int i = start; i < int(objects.size()); ++i)
    if (LineHasKind(objects[i], kind)) return i;
  return -1;
}
