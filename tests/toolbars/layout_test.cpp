// Row layout of docks and wrapping of toolbars, on plain data.
#include <gtest/gtest.h>

#include "toolbars/TBZ/caption_text.h"
#include "toolbars/TBZ/dock_layout.h"
#include "toolbars/TBZ/drag_geometry.h"
#include "toolbars/TBZTlbr/toolbar_layout.h"

using namespace tbz;

namespace {
std::vector<DockSlot*> ptrs(std::vector<DockSlot>& v) {
  std::vector<DockSlot*> out;
  for (size_t i = 0; i < v.size(); ++i) {
    v[i].order = static_cast<int>(i);
    out.push_back(&v[i]);
  }
  return out;
}
DockSlot bar(int row, int pos, int w, int h, int size, bool full = false) {
  DockSlot s;
  s.dockRow = row; s.dockPos = pos; s.width = w; s.height = h; s.dockedSize = size; s.fullSize = full;
  return s;
}
}  // namespace

TEST(DockLayout, RowsPackAndThinRowsStayTwelvePixels) {
  std::vector<DockSlot> v{bar(0, 0, 50, 20, 16), bar(0, 10, 40, 20, 22), bar(3, 0, 30, 10, 2)};
  auto p = ptrs(v);
  DockLayout l = arrangeDock(p, false, 500, false, false);
  // Row 3 closes up to row 1; no overlap in row 0.
  EXPECT_EQ(v[2].dockRow, 1);
  ASSERT_EQ(l.rowSizes.size(), 2u);
  EXPECT_EQ(l.rowSizes[0], 22);
  EXPECT_EQ(l.rowSizes[1], 8);
  EXPECT_EQ(v[1].left, 50);
  EXPECT_EQ(v[2].top, 26);
  EXPECT_EQ(v[2].outHeight, 12);
  EXPECT_EQ(l.thickness, 26 + 12);
}

TEST(DockLayout, FullSizeWindowKeepsItsRowAlone) {
  std::vector<DockSlot> v{bar(0, 0, 50, 20, 16), bar(0, 60, 40, 20, 16, true), bar(1, 0, 40, 20, 16)};
  auto p = ptrs(v);
  arrangeDock(p, false, 300, false, false);
  // The full-size window keeps row 0; the other one and every later row move down.
  EXPECT_EQ(v[1].dockRow, 0);
  EXPECT_EQ(v[0].dockRow, 1);
  EXPECT_EQ(v[2].dockRow, 2);
}

TEST(DockLayout, FullSizeAddedToRowPushesOthersDown) {
  std::vector<DockSlot> v{bar(0, 0, 50, 20, 16, true), bar(0, 60, 40, 20, 16)};
  auto p = ptrs(v);
  arrangeDock(p, false, 300, false, false);
  EXPECT_EQ(v[0].dockRow, 0);
  EXPECT_EQ(v[1].dockRow, 1);
  EXPECT_EQ(v[0].outWidth, 300);
  EXPECT_EQ(v[0].left, 0);
}

TEST(DockLayout, PositionBeyondLengthShownAtFarEndAndKeptUnlessCommitted) {
  for (bool commit : {false, true}) {
    std::vector<DockSlot> v{bar(0, 900, 50, 20, 16)};
    auto p = ptrs(v);
    arrangeDock(p, false, 200, false, commit);
    EXPECT_EQ(v[0].left, 150);
    EXPECT_EQ(v[0].dockPos, commit ? 150 : 900);
  }
}

TEST(DockLayout, PushedBackButNeverBeforeZero) {
  std::vector<DockSlot> v{bar(0, 0, 80, 20, 16), bar(0, 100, 80, 20, 16)};
  auto p = ptrs(v);
  arrangeDock(p, false, 120, false, false);
  EXPECT_EQ(v[0].left, 0);
  EXPECT_EQ(v[1].left, 80);
}

TEST(DockLayout, EmptyDockThickness) {
  std::vector<DockSlot> v{bar(0, 0, 50, 20, 16)};
  v[0].visible = false;
  auto p = ptrs(v);
  EXPECT_EQ(arrangeDock(p, false, 100, false, false).thickness, 0);
  EXPECT_EQ(arrangeDock(p, false, 100, false, false, false, true).thickness, 1);
  EXPECT_EQ(arrangeDock(p, false, 100, false, false, true).thickness, 9);
}

TEST(DockLayout, LimitToOneRowPacksAlongRowZero) {
  std::vector<DockSlot> v{bar(0, 0, 50, 20, 16), bar(2, 0, 40, 20, 16)};
  auto p = ptrs(v);
  arrangeDock(p, false, 300, true, false);
  EXPECT_EQ(v[1].dockRow, 0);
  EXPECT_EQ(v[1].top, 0);
  EXPECT_EQ(v[1].top, v[0].top);
  EXPECT_EQ(v[1].left, 50);
}

TEST(DockLayout, RowSearchMakesNewRowsNearBoundaries) {
  // Rows of 20 (24 thick) and 10 (14 thick): row 0 spans [0,24), row 1 [24,38).
  std::vector<int> sizes{20, 10};
  struct Case { int pos; int row; bool before; } cases[] = {
      {0, 0, true}, {4, 0, true}, {5, 0, false}, {18, 0, false}, {19, 1, true}, {28, 1, true},
      {29, 1, false}, {33, 2, true}, {200, 2, false}};
  for (const Case& c : cases) {
    bool before = false;
    EXPECT_EQ(rowSearch(sizes, 1, c.pos, before), c.row) << c.pos;
    EXPECT_EQ(before, c.before) << c.pos;
  }
}

TEST(DragGeometry, EmptyDockIsStillHit) {
  QRect emptyTop(0, 0, 400, 0);
  EXPECT_TRUE(dockHit(QPoint(100, 0), QPoint(5, 5), QSize(49, 21), QSize(50, 22), emptyTop, false));
  EXPECT_FALSE(dockHit(QPoint(100, 200), QPoint(5, 5), QSize(49, 21), QSize(50, 22), emptyTop, false));
}

TEST(DragGeometry, FloatingRectStaysReachable) {
  QRect work(0, 0, 1024, 768);
  QRect far = keepReachable(QRect(2000, 2000, 100, 50), work, 4, 16);
  EXPECT_TRUE(far.intersects(work.adjusted(8, 8, -8, -8)));
  QRect above = keepReachable(QRect(100, -500, 100, 50), work, 4, 16);
  EXPECT_GE(above.top(), 0 - (4 + 16) + 4);
}

TEST(DragGeometry, SizingKeepsMinimum) {
  QRect start(100, 100, 200, 100);
  EXPECT_EQ(sizingRect(1, start, QPoint(-500, 0), QSize(50, 40)), QRect(100, 100, 50, 100));
  EXPECT_EQ(sizingRect(3, start, QPoint(500, 500), QSize(50, 40)), QRect(250, 160, 50, 40));
  EXPECT_EQ(sizingRect(7, start, QPoint(10, 20), QSize(50, 40)), QRect(100, 100, 210, 120));
}

namespace {
ToolbarItem btn(int w = 23, int h = 22) { ToolbarItem i; i.width = w; i.height = h; return i; }
ToolbarItem sep(bool blank = false) { ToolbarItem i; i.separator = true; i.blank = blank; return i; }
}  // namespace

TEST(ToolbarLayout, DockedHorizontalLineWithSeparatorsAndCentring) {
  std::vector<ToolbarItem> items{btn(), btn(23, 18), sep(), btn()};
  ToolbarLayout l = arrangeToolbar(items, 1, 0, 22, true);
  EXPECT_EQ(l.width, 23 * 3 + 6);
  EXPECT_EQ(l.height, 22);
  EXPECT_EQ(items[1].top, 2);  // (22 - 18) / 2
  EXPECT_EQ(items[2].left, 46);
  EXPECT_EQ(items[2].outWidth, 6);
  EXPECT_EQ(items[2].outHeight, 22);
  EXPECT_EQ(items[3].left, 52);
}

TEST(ToolbarLayout, RemainderPixelGoesBelowAndSeparatorsKeepThickness) {
  std::vector<ToolbarItem> items{btn(23, 22), btn(23, 19), sep()};
  arrangeToolbar(items, 2, 0, 23, true);  // vertical
  EXPECT_EQ(items[1].left, 0);
  EXPECT_EQ(items[2].outHeight, 6);
  std::vector<ToolbarItem> h{btn(23, 19)};
  arrangeToolbar(h, 1, 0, 22, true);
  EXPECT_EQ(h[0].top, 1);  // 3 spare pixels: 1 above, 2 below
}

TEST(ToolbarLayout, FloatingOneLineWithoutWrapWidth) {
  std::vector<ToolbarItem> items(20, btn());
  ToolbarLayout l = arrangeToolbar(items, 0, 0, 22, true);
  EXPECT_EQ(l.width, 4 + 20 * 23 + 4);
  EXPECT_EQ(l.height, 2 + 22 + 1);
}

TEST(ToolbarLayout, WrapOnSeparatorHidesItAndDrawsLine) {
  for (bool blank : {false, true}) {
    std::vector<ToolbarItem> items{btn(), btn(), sep(blank), btn(), btn()};
    ToolbarLayout l = arrangeToolbar(items, 0, 60, 22, true);
    EXPECT_EQ(items[2].outWidth, 0);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].offset, 2 + 22 + 6);
    EXPECT_EQ(l.lines[0].blank, blank);
    EXPECT_EQ(items[3].top, 30);
    EXPECT_EQ(items[3].left, 4);
    EXPECT_EQ(l.width, 4 + 46 + 4);  // the hidden separator adds nothing
  }
}

TEST(ToolbarLayout, WrapWidthAtLeastWidestControlPlusEight) {
  std::vector<ToolbarItem> items{btn(80, 22), btn(80, 22)};
  ToolbarLayout l = arrangeToolbar(items, 0, 30, 22, true);
  EXPECT_EQ(l.width, 88);
  EXPECT_EQ(items[1].top, 2 + 22);
}

TEST(ToolbarLayout, EmptyToolbarFloatsSixteenWide) {
  std::vector<ToolbarItem> none;
  EXPECT_EQ(arrangeToolbar(none, 0, 0, 8, true).width, 16);
}

TEST(ToolbarLayout, FloatingSizesStepThroughWrapLayouts) {
  std::vector<ToolbarItem> items(4, btn());
  auto sizes = floatingSizes([&](int frx) {
    auto copy = items;
    ToolbarLayout l = arrangeToolbar(copy, 0, frx, 22, false);
    return ToolbarSize{l.width, l.height};
  });
  // One line, then 2 and 1 per line; 3 per line takes two lines like 2 per line and is dropped.
  ASSERT_EQ(sizes.size(), 3u);
  EXPECT_EQ(sizes[0].width, 100);
  EXPECT_EQ(sizes[1].width, 54);
  EXPECT_EQ(sizes[2].width, 31);
  for (size_t i = 1; i < sizes.size(); ++i) EXPECT_GT(sizes[i].height, sizes[i - 1].height);
}

TEST(CaptionText, TooWideCaptionsLoseCharactersBeforeTheDots) {
  auto tenEach = [](const QString& s) { return 10 * static_cast<int>(s.size()); };
  struct Case { int width; const char* text; };
  const Case cases[] = {{70, "Objetos"}, {69, "Obj..."}, {60, "Obj..."}, {40, "O..."}, {5, "O..."}};
  for (const Case& c : cases) EXPECT_EQ(fitCaption("Objetos", c.width, tenEach), QString(c.text)) << c.width;
}
