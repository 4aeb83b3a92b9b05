#pragma once
// Placement of a toolbar's controls along the dock direction and the wrapping of
// a floating toolbar, on plain data.
#include <functional>
#include <vector>

namespace tbz {

struct ToolbarItem {
  bool separator = false;
  bool blank = false;       // separator without a line
  int width = 0, height = 0;
  int sizeHorz = 6, sizeVert = 6;
  // Bounds in client coordinates after a layout that may move.
  int left = 0, top = 0, outWidth = 0, outHeight = 0;
};

struct SeparatorLine {
  int offset;  // top of the new line
  bool blank;
};

struct ToolbarLayout {
  int width = 0, height = 0;  // client size the layout needs
  std::vector<SeparatorLine> lines;
};

// Thickness of the toolbar across a dock of the type (0 floating, 1 horizontal, 2 vertical).
int toolbarDockedSize(const std::vector<ToolbarItem>& items, int dockType);

// dockType 0 floating, 1 horizontal, 2 vertical; rowThickness the row the controls
// centre in. Fills the items' bounds and the separator lines when canMove.
ToolbarLayout arrangeToolbar(std::vector<ToolbarItem>& items, int dockType, int floatRightX, int rowThickness,
                             bool canMove);

struct ToolbarSize {
  int width, height;
  bool operator==(const ToolbarSize&) const = default;
};

// The client sizes a floating toolbar can take: layoutAt(floatRightX) gives the
// client size of the layout for a wrap width (0: one line).
std::vector<ToolbarSize> floatingSizes(const std::function<ToolbarSize(int)>& layoutAt);

}  // namespace tbz
