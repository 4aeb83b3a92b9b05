#include "editor/frmFill/fill_model.h"

#include <unordered_set>

#include "editor/Docs/line_helpers.h"
#include "editor/frmFind/find_model.h"

void TfmFillModel::Prepare(const std::string* selectedLine) {
  Chooser.Show();
  if (selectedLine) Chooser.SetKind(KindOfLine(*selectedLine));
}

int FillObjects(TDocument& doc, int kind, bool overwrite, const TFillEvents& events) {
  // Sets of the lines and keys held, so that a large grid is not searched line by line per cell.
  std::unordered_set<std::string> lines(doc.Objects.begin(), doc.Objects.end());
  std::unordered_set<std::string> keys;
  for (const std::string& line : doc.Objects) keys.insert(GetSection(line));
  const std::string value = "=" + std::to_string(kind) + ",1,";
  int added = 0;
  for (int column = 0; column < doc.Width; ++column)
    for (int row = 0; row < doc.Height; ++row) {
      std::string key = std::to_string(CellKey(column, row));
      std::string line = key + value;
      if (!lines.count(line) && (overwrite || !keys.count(key))) {
        doc.Objects.push_back(line);
        lines.insert(line);
        keys.insert(key);
        ++added;
        if (events.OnAdded) events.OnAdded(column, row, int(doc.Objects.size()) - 1);
      }
      if (events.OnStep) events.OnStep();
    }
  return added;
}
