#include "toolbars/TBZ/dock_layout.h"

#include <algorithm>

#include "toolbars/TBZUtils/TBZUtils.h"

namespace tbz {

int compareSlots(const DockSlot* a, const DockSlot* b) {
  auto sign = [](int x, int y) { return x < y ? -1 : x > y ? 1 : 0; };
  if (int c = sign(a->dockRow, b->dockRow)) return c;
  if (int c = sign(a->dockPos, b->dockPos)) return c;
  return sign(a->order, b->order);
}

int highestRow(const std::vector<DockSlot*>& windows) {
  int h = -1;
  for (const DockSlot* w : windows) h = std::max(h, w->dockRow);
  return h;
}

static int rowSize(const std::vector<int>& rowSizes, int row) {
  return row >= 0 && row < static_cast<int>(rowSizes.size()) ? rowSizes[row] : 0;
}

int rowSearch(const std::vector<int>& rowSizes, int highest, int position, bool& before) {
  before = false;
  int b = 0;
  for (int i = 0; i <= highest + 1; ++i) {
    int size = rowSize(rowSizes, i);
    bool last = i > highest;
    if (size == 0 && !last) continue;
    int end = b + size + 4;
    if (position < b + 5) {
      before = true;
      return i;
    }
    if (last || position < end - 5) return i;
    b = end;
  }
  return highest + 1;
}

int rowAtOffset(const std::vector<int>& rowSizes, int highest, int position) {
  int end = 0;
  for (int i = 0; i <= highest; ++i) {
    int size = rowSize(rowSizes, i);
    if (size == 0) continue;
    end += size + 4;
    if (position < end) return i;
  }
  return highest + 1;
}

void insertRow(std::vector<DockSlot*>& windows, int row) {
  for (DockSlot* w : windows)
    if (w->dockRow >= row) ++w->dockRow;
}

int othersInRow(const std::vector<DockSlot*>& windows, int row, const DockSlot* except) {
  int n = 0;
  for (const DockSlot* w : windows)
    if (w != except && w->dockRow == row) ++n;
  return n;
}

DockLayout arrangeDock(std::vector<DockSlot*>& windows, bool vertical, int length, bool limitToOneRow,
                       bool commit, bool designing, bool fixAlign) {
  DockLayout out;
  bool anyVisible = std::any_of(windows.begin(), windows.end(), [](const DockSlot* w) { return w->visible; });
  if (!anyVisible) {
    out.thickness = designing ? 9 : (fixAlign ? 1 : 0);
    return out;
  }
  if (limitToOneRow)
    for (DockSlot* w : windows) w->dockRow = 0;
  for (DockSlot* w : windows) w->dockRow = std::max(w->dockRow, 0);

  // Close up rows that no window uses.
  for (int row = highestRow(windows); row >= 0; --row) {
    bool used = std::any_of(windows.begin(), windows.end(), [row](const DockSlot* w) { return w->dockRow == row; });
    if (!used)
      for (DockSlot* w : windows)
        if (w->dockRow > row) --w->dockRow;
  }

  SortListEx(windows, compareSlots);

  // A full-size window keeps its row alone.
  for (int row = 0; row <= highestRow(windows); ++row) {
    for (DockSlot* w : windows) {
      if (w->dockRow != row || !w->fullSize) continue;
      if (othersInRow(windows, row, w) == 0) continue;
      for (DockSlot* o : windows)
        if (o != w && o->dockRow >= row) ++o->dockRow;
      break;
    }
  }

  const int highest = highestRow(windows);
  out.rowSizes.assign(highest + 1, 0);
  for (const DockSlot* w : windows)
    if (w->visible) out.rowSizes[w->dockRow] = std::max({out.rowSizes[w->dockRow], w->dockedSize, 8});

  auto along = [vertical](const DockSlot* w) { return vertical ? w->height : w->width; };
  for (int row = 0; row <= highest; ++row) {
    int c = 0;
    for (DockSlot* w : windows) {
      if (w->dockRow != row || !w->visible) continue;
      if (w->fullSize) {
        w->dockPos = 0;
      } else {
        w->dockPos = std::max(w->dockPos, c);
        c = w->dockPos + along(w);
      }
    }
  }

  // Fit into the length: push back from the far end, never before 0.
  length = std::max(length, 0);
  std::vector<int> work(windows.size());
  for (size_t i = 0; i < windows.size(); ++i) work[i] = windows[i]->dockPos;
  for (int row = 0; row <= highest; ++row) {
    std::vector<size_t> idx;
    for (size_t i = 0; i < windows.size(); ++i)
      if (windows[i]->dockRow == row && windows[i]->visible && !windows[i]->fullSize) idx.push_back(i);
    int c = length;
    for (auto it = idx.rbegin(); it != idx.rend(); ++it) {
      c -= along(windows[*it]);
      if (work[*it] > c) work[*it] = c;
      c = work[*it];
    }
    int d = 0;
    for (size_t i : idx) {
      if (work[i] < d) work[i] = d;
      d = work[i] + along(windows[i]);
    }
  }
  if (commit)
    for (size_t i = 0; i < windows.size(); ++i) windows[i]->dockPos = work[i];

  int s = 0;
  for (int row = 0; row <= highest; ++row) {
    int thick = out.rowSizes[row] == 0 ? 0 : out.rowSizes[row] + 4;
    for (size_t i = 0; i < windows.size(); ++i) {
      DockSlot* w = windows[i];
      if (w->dockRow != row || !w->visible) continue;
      if (vertical) {
        w->left = s;
        w->top = work[i];
        w->outWidth = thick;
        w->outHeight = w->fullSize ? length : w->height;
      } else {
        w->left = work[i];
        w->top = s;
        w->outWidth = w->fullSize ? length : w->width;
        w->outHeight = thick;
      }
    }
    s += thick;
  }
  out.thickness = s;
  return out;
}

}  // namespace tbz
