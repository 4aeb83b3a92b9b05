// Where a button puts glyph, caption and arrow, driven without any widget.
#include <gtest/gtest.h>

#include "toolbars/TBZCtls/button_layout.h"

using namespace tbz;

namespace {

struct LayoutCase {
  const char* name;
  QRect client;
  QSize glyph;
  bool caption;
  TButtonLayout layout;
  int margin, spacing, arrow;
  bool pushed;
  QPoint glyphPos;
  QRect captionRect;
  QPoint arrowPos;
};

const QRect kWide(0, 0, 60, 22), kSquare(0, 0, 40, 40);
const QSize kGlyph(16, 16), kCaption(20, 10);

// Caption 20x10; glyph 16x16.
const LayoutCase kCases[] = {
    {"left centred", kWide, kGlyph, true, blGlyphLeft, -1, 4, 0, false, {10, 3}, {30, 6, 20, 10}, {51, 10}},
    {"left spread", kWide, kGlyph, true, blGlyphLeft, -1, -1, 0, false, {8, 3}, {32, 6, 20, 10}, {53, 10}},
    {"left margin, spread", kWide, kGlyph, true, blGlyphLeft, 2, -1, 0, false, {2, 3}, {29, 6, 20, 10}, {50, 10}},
    {"left fixed", kWide, kGlyph, true, blGlyphLeft, 2, 4, 0, false, {2, 3}, {22, 6, 20, 10}, {43, 10}},
    {"left with arrow", kWide, kGlyph, true, blGlyphLeft, -1, 4, 9, false, {6, 3}, {26, 6, 20, 10}, {47, 10}},
    {"right with arrow", kWide, kGlyph, true, blGlyphRight, -1, 4, 9, false, {29, 3}, {5, 6, 20, 10}, {46, 10}},
    {"top", kSquare, kGlyph, true, blGlyphTop, -1, 2, 0, false, {12, 6}, {10, 24, 20, 10}, {29, 13}},
    {"bottom", kSquare, kGlyph, true, blGlyphBottom, -1, 2, 0, false, {12, 18}, {10, 6, 20, 10}, {29, 25}},
    {"bottom spread", kSquare, kGlyph, true, blGlyphBottom, -1, -1, 0, false, {12, 20}, {10, 6, 20, 10}, {29, 27}},
    // Without a glyph the caption runs left to right and no spacing is added.
    {"caption only, top layout", kWide, QSize(), true, blGlyphTop, -1, 4, 0, false, {20, 11}, {20, 6, 20, 10},
     {41, 10}},
    {"glyph only", kWide, kGlyph, false, blGlyphLeft, -1, 4, 0, false, {22, 3}, {38, 11, 0, 0}, {39, 10}},
    {"zero-width glyph", kWide, QSize(0, 16), true, blGlyphLeft, 1, 4, 0, false, {1, 11}, {1, 6, 20, 10}, {22, 10}},
    // Too little room: the spread margin goes negative, truncated toward zero.
    {"narrow spread", QRect(0, 0, 20, 22), kGlyph, true, blGlyphLeft, -1, -1, 0, false, {-5, 3}, {6, 6, 20, 10},
     {27, 10}},
    {"pushed, client offset", QRect(5, 2, 60, 22), kGlyph, true, blGlyphLeft, -1, 4, 0, true, {16, 6},
     {36, 9, 20, 10}, {57, 13}},
};

TEST(ButtonLayout, PlacesGlyphCaptionAndArrow) {
  for (const LayoutCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TButtonLayoutInput in;
    in.client = c.client;
    in.glyph = c.glyph;
    in.hasCaption = c.caption;
    in.layout = c.layout;
    in.margin = c.margin;
    in.spacing = c.spacing;
    in.arrowWidth = c.arrow;
    in.pushed = c.pushed;
    const TButtonLayoutResult r = CalcButtonLayout(in, [](int, bool) { return kCaption; });
    EXPECT_EQ(r.glyphPos, c.glyphPos);
    if (c.caption) EXPECT_EQ(r.captionRect, c.captionRect);
    else EXPECT_TRUE(r.captionRect.isEmpty());
    EXPECT_EQ(r.arrowPos, c.arrowPos);
  }
}

// With word wrap the caption is measured in the width left beside the glyph and
// inside the margins; without it in the whole width less the arrow.
TEST(ButtonLayout, CaptionMeasuredInTheWidthLeft) {
  struct Case {
    const char* name;
    QRect client;
    QSize glyph;
    TButtonLayout layout;
    int margin, spacing, arrow;
    bool wrap;
    int width;
  } cases[] = {
      {"one line", kWide, kGlyph, blGlyphLeft, 3, 4, 9, false, 51},
      {"one line, vertical keeps the arrow's width", kSquare, kGlyph, blGlyphTop, 3, 4, 9, false, 40},
      {"wrap, margin", kWide, kGlyph, blGlyphLeft, 3, 4, 0, true, 60 - 6 - 20},
      {"wrap, spacing for margin", kWide, kGlyph, blGlyphLeft, -1, 5, 0, true, 60 - 10 - 21},
      {"wrap, both spread", kWide, kGlyph, blGlyphLeft, -1, -1, 0, true, 60 - 8 - 20},
      {"wrap, no glyph", kWide, QSize(), blGlyphLeft, 3, 4, 9, true, 60 - 9 - 8},
      {"wrap, vertical", kSquare, kGlyph, blGlyphTop, 3, 4, 0, true, 40 - 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonLayoutInput in;
    in.client = c.client;
    in.glyph = c.glyph;
    in.hasCaption = true;
    in.layout = c.layout;
    in.margin = c.margin;
    in.spacing = c.spacing;
    in.arrowWidth = c.arrow;
    in.wordWrap = c.wrap;
    int measured = -1;
    bool wrapped = !c.wrap;
    CalcButtonLayout(in, [&](int width, bool wrap) {
      measured = width;
      wrapped = wrap;
      return kCaption;
    });
    EXPECT_EQ(measured, c.width);
    EXPECT_EQ(wrapped, c.wrap);
  }
}

}  // namespace
