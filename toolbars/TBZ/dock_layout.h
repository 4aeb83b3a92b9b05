#pragma once
// The row layout of a dock, on plain data so that it runs without windows.
#include <vector>

namespace tbz {

struct DockSlot {
  int dockRow = 0;
  int dockPos = -1;
  bool fullSize = false;
  bool visible = true;    // shown on the dock (floating windows kept by UseLastDock are not)
  int width = 0;          // current window size
  int height = 0;
  int dockedSize = 8;     // thickness the window wants across the row
  // Results of arrangeDock for visible windows: bounds in dock client coordinates.
  int left = 0, top = 0, outWidth = 0, outHeight = 0;
  int order = 0;          // insertion order, the tie-break of the sort
};

struct DockLayout {
  std::vector<int> rowSizes;
  int thickness = 0;  // client thickness the dock takes across
};

// Arranges the windows of a dock of the given client length. Rows, positions and
// bounds are updated in place; with commit the fitted positions become DockPos.
DockLayout arrangeDock(std::vector<DockSlot*>& windows, bool vertical, int length, bool limitToOneRow,
                       bool commit, bool designing = false, bool fixAlign = false);

// Order of the windows of a dock: by row, then position, then insertion.
int compareSlots(const DockSlot* a, const DockSlot* b);

int highestRow(const std::vector<DockSlot*>& windows);

// Finds the row a position across the dock falls into; before is set when a new
// row is to be inserted in front of the returned one.
int rowSearch(const std::vector<int>& rowSizes, int highest, int position, bool& before);
int rowAtOffset(const std::vector<int>& rowSizes, int highest, int position);
void insertRow(std::vector<DockSlot*>& windows, int row);
int othersInRow(const std::vector<DockSlot*>& windows, int row, const DockSlot* except);

}  // namespace tbz
