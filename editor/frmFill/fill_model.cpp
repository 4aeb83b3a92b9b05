#include "editor/frmFill/fill_model.h"

#include <unordered_map>

#include "editor/Docs/line_helpers.h"
#include "editor/frmFind/find_model.h"

void TfmFillModel::Prepare(const std::string* selectedLine) {
  Chooser.Show();
  if (selectedLine) Chooser.SetKind(KindOfLine(*selectedLine));
}

int FillObjects(TDocument& doc, int kind, bool overwrite, const TFillEvents& events) {
  // The line of each cell key, so that a large grid is not searched line by line per cell.
  std::unordered_map<std::string, size_t> cells;
  for (size_t i = 0; i < doc.Objects.size(); ++i) cells.emplace(GetSection(doc.Objects[i]), i);
  const std::string value = "=" + std::to_string(kind) + ",1,";
  int added = 0;
  for (int column = 0; column < doc.Width; ++column)
    for (int row = 0; row < doc.Height; ++row) {
      std::string key = std::to_string(CellKey(column, row));
      std::string line = key + value;
      const auto held = cells.find(key);
      if (held == cells.end()) {
        doc.Objects.push_back(line);
        cells.emplace(std::move(key), doc.Objects.size() - 1);
        ++added;
        if (events.OnAdded) events.OnAdded(column, row, int(doc.Objects.size()) - 1);
      } else if (overwrite && doc.Objects[held->second] != line) {
        // A cell holds one object: the fill's takes the place of the one there.
        doc.Objects[held->second] = std::move(line);
        ++added;
        if (events.OnAdded) events.OnAdded(column, row, int(held->second));
      }
      if (events.OnStep) events.OnStep();
    }
  if (added > 0) doc.Modified = true;
  return added;
}
