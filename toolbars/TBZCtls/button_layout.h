#pragma once
// Where a button puts its glyph, caption and drop-down arrow.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

#include "toolbars/TBZCtls/button_types.h"

namespace tbz {

struct TButtonLayoutInput {
  QRect client;             // the area the content is arranged in
  QSize glyph;              // empty when there is no glyph
  bool hasCaption = false;  // a caption is shown
  TButtonLayout layout = blGlyphLeft;
  int margin = -1;          // -1: content centred
  int spacing = 4;          // -1: spread evenly
  int arrowWidth = 0;       // 0 when no arrow is drawn after the content
  bool wordWrap = false;
  bool pushed = false;      // content moves by (1, 1)
};

// Size of the caption when laid out in the given width (one line unless wrapping).
using TCaptionMeasure = std::function<QSize(int width, bool wordWrap)>;

struct TButtonLayoutResult {
  QPoint glyphPos;
  QRect captionRect;
  QPoint arrowPos;  // top-left corner of the arrow's 5x3 triangle
};

TButtonLayoutResult CalcButtonLayout(const TButtonLayoutInput& in, const TCaptionMeasure& measure);

}  // namespace tbz
