#include "toolbars/TBZTlbr/toolbar_layout.h"

#include <algorithm>
#include <climits>

namespace tbz {
namespace {
struct Margins { int left, top, right, bottom; };
constexpr Margins kFloating{4, 2, 4, 1};
constexpr Margins kDocked{0, 0, 0, 0};
}  // namespace

int toolbarDockedSize(const std::vector<ToolbarItem>& items, int dockType) {
  int size = 8;
  for (const ToolbarItem& it : items)
    if (!it.separator) size = std::max(size, dockType == 2 ? it.width : it.height);
  return size;
}

ToolbarLayout arrangeToolbar(std::vector<ToolbarItem>& items, int dockType, int floatRightX, int rowThickness,
                             bool canMove) {
  ToolbarLayout out;
  const bool floating = dockType == 0, vertical = dockType == 2;
  const Margins& mg = floating ? kFloating : kDocked;
  int wrap = INT_MAX;
  if (floating && floatRightX != 0) {
    wrap = floatRightX;
    for (const ToolbarItem& it : items)
      if (!it.separator) wrap = std::max(wrap, it.width + 8);
  }
  const int rowSize = toolbarDockedSize(items, dockType);

  // Groups end with their separator.
  struct Group { size_t first, last; int along; };
  std::vector<Group> groups;
  for (size_t i = 0; i < items.size(); ++i) {
    if (groups.empty() || items[groups.back().last].separator) groups.push_back({i, i, 0});
    groups.back().last = i;
    if (!items[i].separator) groups.back().along += vertical ? items[i].height : items[i].width;
  }

  int y = mg.top, x = mg.left, extent = mg.left, extentBeforeSep = mg.left;
  bool forcedWrap = false;
  for (size_t g = 0; g < groups.size(); ++g) {
    const Group& grp = groups[g];
    if (floating && (forcedWrap || wrap < x + grp.along + mg.right)) {
      forcedWrap = false;
      x = mg.left;
      if (g > 0) {
        y += rowSize + 6;
        ToolbarItem& prevLast = items[groups[g - 1].last];
        if (prevLast.separator) {
          extent = extentBeforeSep;
          if (canMove) {
            prevLast.outWidth = 0;
            out.lines.push_back({y, prevLast.blank});
          }
        }
      }
    }
    extent = std::max(extent, x);
    for (size_t i = grp.first; i <= grp.last; ++i) {
      ToolbarItem& it = items[i];
      int s = it.separator ? (vertical ? it.sizeVert : it.sizeHorz) : (vertical ? it.height : it.width);
      if (floating && !it.separator && wrap < x + s + mg.right) {
        x = mg.left;
        y += rowSize;
        forcedWrap = true;
      }
      if (it.separator) extentBeforeSep = extent;
      if (canMove) {
        if (vertical) {
          if (it.separator) { it.left = y; it.top = x; it.outWidth = rowThickness; it.outHeight = it.sizeVert; }
          else { it.left = y + (rowThickness - it.width) / 2; it.top = x; it.outWidth = it.width; it.outHeight = it.height; }
        } else {
          if (it.separator) { it.left = x; it.top = y; it.outWidth = it.sizeHorz; it.outHeight = rowThickness; }
          else { it.left = x; it.top = y + (rowThickness - it.height) / 2; it.outWidth = it.width; it.outHeight = it.height; }
        }
      }
      x += s;
      extent = std::max(extent, x);
    }
  }
  if (items.empty()) extent = x + 8;
  const int along = extent + mg.right, across = y + rowSize + mg.bottom;
  out.width = vertical ? across : along;
  out.height = vertical ? along : across;
  return out;
}

std::vector<ToolbarSize> floatingSizes(const std::function<ToolbarSize(int)>& layoutAt) {
  std::vector<ToolbarSize> list;
  ToolbarSize one = layoutAt(0);
  list.push_back(one);
  for (int i = one.width - 1; i > 7;) {
    ToolbarSize s = layoutAt(i);
    if (s.width > i) break;
    if (s.width == i) {
      if (list.size() > 1 && list.back().height == s.height) list.pop_back();
      if (std::find(list.begin(), list.end(), s) == list.end()) list.push_back(s);
      --i;
    } else {
      i = s.width;
    }
  }
  return list;
}

}  // namespace tbz
