#include "editor/frmFill/fill_model.h"

#include <unordered_map>

#include "editor/Docs/line_helpers.h"
#include "editor/frmFind/find_model.h"

void TfmFillModel::Prepare(const std::string* selectedLine) {
  Chooser.Show();
  if (selectedLine) Chooser.SetKind(KindOfLine(*selectedLine));
}

int FillObjects(TDocument& doc, int kind, bool overwrite, const TFillEvents& events) {
  // The line of each cell, so that a large grid is not searched line by line per
  // cell. A cell is the number its key names, whatever its text: "05" is cell 5.
  std::unordered_map<int, size_t> cells;
  for (size_t i = 0; i < doc.Objects.size(); ++i)
    if (const std::optional<int> cell = CellOfLine(doc.Objects[i])) cells.emplace(*cell, i);
  const std::string value = "=" + std::to_string(kind) + ",1,";
  int added = 0;
  for (int column = 0; column < doc.Width; ++column)
    for (int row = 0; row < doc.Height; ++row) {
      const int cell = CellKey(column, row);
      const auto held = cells.find(cell);
      if (held == cells.end()) {
        doc.Objects.push_back(std::to_string(cell) + value);
        cells.emplace(cell, doc.Objects.size() - 1);
        ++added;
        if (events.OnAdded) events.OnAdded(column, row, int(doc.Objects.size()) - 1);
      } else if (overwrite && held->second != 0) {
        // A cell holds one object: the fill's takes the place of the one there.
        // The first line stays: the game starts the player in its cell and
        // builds no object there.
        std::string& line = doc.Objects[held->second];
        std::string filled = GetSection(line) + value;
        if (line != filled) {
          line = std::move(filled);
          ++added;
          if (events.OnAdded) events.OnAdded(column, row, int(held->second));
        }
      }
      if (events.OnStep) events.OnStep();
    }
  if (added > 0) doc.Modified = true;
  return added;
}
