#include "toolbars/TBZCtls/button_layout.h"

namespace tbz {

TButtonLayoutResult CalcButtonLayout(const TButtonLayoutInput& in, const TCaptionMeasure& measure) {
  const int w = in.client.width(), h = in.client.height();
  const int a = in.arrowWidth;
  QSize g = in.glyph;
  const bool hasGlyph = g.width() > 0 && g.height() > 0;
  if (!hasGlyph) g = QSize(0, 0);
  // Without a glyph the content runs left to right whatever the layout.
  const TButtonLayout layout =
      hasGlyph ? in.layout : (in.layout == blGlyphRight ? blGlyphRight : blGlyphLeft);
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;

  QSize c(0, 0);
  if (in.hasCaption && measure) {
    int width = horizontal ? w - a : w;
    if (in.wordWrap) {
      int l = 4;
      if (horizontal && hasGlyph) l = in.margin != -1 ? in.margin : in.spacing != -1 ? in.spacing : 4;
      width -= 2 * l;
      if (horizontal && hasGlyph) width -= g.width() + (in.spacing == -1 ? 4 : in.spacing);
    }
    c = measure(width, in.wordWrap);
  }
  const bool hasText = c.width() > 0 && c.height() > 0;
  if (!hasText) c = QSize(0, 0);

  int margin = in.margin, spacing = in.spacing;
  if (!hasGlyph || !hasText) spacing = 0;

  QPoint gp, cp;
  if (horizontal) {
    gp.setY((h - g.height() + 1) / 2);
    cp.setY((h + 1 - c.height()) / 2);
  } else {
    gp.setX((w - g.width() - a + 1) / 2);
    cp.setX((w - c.width() + 1) / 2);
  }

  const int along = horizontal ? w : h;
  const int glyphAlong = horizontal ? g.width() : g.height();
  const int textAlong = horizontal ? c.width() : c.height();
  const int arrowAlong = horizontal ? a : 0;
  if (margin == -1 && spacing == -1) {
    margin = spacing = (along - (glyphAlong + textAlong + arrowAlong)) / 3;
  } else if (margin == -1) {
    margin = (along - (glyphAlong + spacing + textAlong + arrowAlong) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (along - margin - glyphAlong - arrowAlong - textAlong) / 2;
  }

  int arrowX = 0;
  switch (layout) {
    case blGlyphLeft:
      gp.setX(margin);
      cp.setX(margin + g.width() + spacing);
      arrowX = cp.x() + c.width();
      break;
    case blGlyphRight:
      arrowX = w - margin - a;
      gp.setX(arrowX - g.width());
      cp.setX(gp.x() - spacing - c.width());
      break;
    case blGlyphTop:
      gp.setY(margin);
      cp.setY(margin + g.height() + spacing);
      arrowX = gp.x() + g.width();
      break;
    case blGlyphBottom:
      gp.setY(h - margin - g.height());
      cp.setY(gp.y() - spacing - c.height());
      arrowX = gp.x() + g.width();
      break;
  }
  // The arrow's 3 rows centred on the glyph, or on the caption without one.
  const int arrowY = hasGlyph ? gp.y() + (g.height() - 3 + 1) / 2 : cp.y() + (c.height() - 3 + 1) / 2;

  const QPoint offset = in.client.topLeft() + (in.pushed ? QPoint(1, 1) : QPoint(0, 0));
  return {gp + offset, QRect(cp + offset, c), QPoint(arrowX + 1, arrowY) + offset};
}

}  // namespace tbz
