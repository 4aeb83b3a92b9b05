#include "toolbars/TBZCtls/button_glyph.h"

#include <QPainter>
#include <algorithm>

namespace tbz {

int GlyphImageIndex(TButtonState state, int numGlyphs) {
  const int index = static_cast<int>(state);
  if (index < numGlyphs) return index;
  return state == bsDisabled ? -1 : 0;
}

QImage GlyphShape(const QImage& glyph, QRgb transparent, bool plainShape) {
  const QImage src = glyph.convertToFormat(QImage::Format_RGB32);
  QImage shape(src.size(), QImage::Format_Alpha8);
  shape.fill(0);
  const QRgb key = transparent | 0xFF000000u;
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x) {
      const QRgb c = src.pixel(x, y) | 0xFF000000u;
      const bool light = c == 0xFFFFFFFFu || c == 0xFFC0C0C0u;
      if (c != key && (plainShape || !light)) shape.scanLine(y)[x] = 255;
    }
  return shape;
}

QImage ShapeOfImage(const QImage& image) {
  const QImage src = image.convertToFormat(QImage::Format_ARGB32);
  QImage shape(src.size(), QImage::Format_Alpha8);
  shape.fill(0);
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x)
      if (qAlpha(src.pixel(x, y)) >= 128) shape.scanLine(y)[x] = 255;
  return shape;
}

QImage EmbossedShape(const QImage& shape, const QPalette& pal) {
  QImage out(shape.width() + 1, shape.height() + 1, QImage::Format_ARGB32);
  out.fill(pal.color(QPalette::Button));
  auto inShape = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < shape.width() && y < shape.height() && shape.constScanLine(y)[x] != 0;
  };
  const QRgb light = pal.color(QPalette::Light).rgb(), dark = pal.color(QPalette::Dark).rgb();
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      if (inShape(x - 1, y - 1)) out.setPixel(x, y, light);
      if (inShape(x, y)) out.setPixel(x, y, dark);
    }
  return out;
}

QImage DisabledGlyph(const QImage& glyph, QRgb transparent, const QPalette& pal, bool oldStyle) {
  return EmbossedShape(GlyphShape(glyph, transparent, oldStyle), pal);
}

QImage RecolourDisabled(const QImage& image, const QPalette& pal) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb light = pal.color(QPalette::Light).rgb(), dark = pal.color(QPalette::Dark).rgb();
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = out.pixel(x, y);
      if (qAlpha(c) == 0) continue;
      if ((c | 0xFF000000u) == 0xFFFFFFFFu) out.setPixel(x, y, light);
      else if ((c | 0xFF000000u) == 0xFF808080u) out.setPixel(x, y, dark);
    }
  return out;
}

QChar CaptionAccelerator(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1].toUpper();
    ++i;  // "&&" is a plain ampersand
  }
  return QChar();
}

void DrawDropdownArrow(QPainter& painter, QPoint p, bool enabled, const QPalette& pal, const QColor& color) {
  auto triangle = [&](QPoint at, const QColor& c) {
    for (int row = 0; row < 3; ++row) painter.fillRect(at.x() + row, at.y() + row, 5 - 2 * row, 1, c);
  };
  if (enabled) {
    triangle(p, color);
  } else {
    triangle(p + QPoint(1, 1), pal.color(QPalette::Light));
    triangle(p, pal.color(QPalette::Dark));
  }
}

TButtonGlyph::~TButtonGlyph() {
  imagesLink_.OnFree = nullptr;
  Invalidate();
}

void TButtonGlyph::glyphChanged() {
  Invalidate();
  if (OnChange) OnChange();
}

void TButtonGlyph::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  const int w = glyph.width(), h = glyph.height();
  numGlyphs_ = (h > 0 && w % h == 0 && w / h >= 1 && w / h < 6) ? w / h : 1;
  transparent_ = glyph.isNull() ? 0 : glyph.pixel(0, h - 1);
  glyphChanged();
}

void TButtonGlyph::SetGlyphMask(const QImage& mask) {
  mask_ = mask;
  glyphChanged();
}

void TButtonGlyph::SetNumGlyphs(int n) {
  n = UsesImageList() ? 1 : std::clamp(n, 1, 5);
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  glyphChanged();
}

void TButtonGlyph::SetTransparentColor(QRgb c) {
  if (c == transparent_) return;
  transparent_ = c;
  glyphChanged();
}

void TButtonGlyph::SetOldDisabledStyle(bool v) {
  if (v == oldDisabledStyle_) return;
  oldDisabledStyle_ = v;
  glyphChanged();
}

void TButtonGlyph::SetImages(TImageList* images) {
  if (images == Images()) return;
  if (Images()) Images()->UnregisterChanges(imagesLink_);
  if (images) {
    images->RegisterChanges(imagesLink_);
    imagesLink_.OnChange = [this] { glyphChanged(); };
    imagesLink_.OnFree = [this] { glyphChanged(); };
  }
  glyphChanged();
}

void TButtonGlyph::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  glyphChanged();
}

QSize TButtonGlyph::GlyphSize() const {
  if (UsesImageList()) return QSize(Images()->Width(), Images()->Height());
  if (glyph_.isNull()) return QSize();
  const QSize s(glyph_.width() / numGlyphs_, glyph_.height());
  return s.width() > 0 && s.height() > 0 ? s : QSize();
}

// One image of the strip, or the image list's image, with its transparency.
QImage TButtonGlyph::sourceImage(int index) const {
  if (UsesImageList()) return Images()->Image(imageIndex_);
  const QSize s = GlyphSize();
  const QImage part = glyph_.copy(index * s.width(), 0, s.width(), s.height());
  const QImage mask = sourceMask(index);
  return mask.isNull() ? ImageWithKey(part, transparent_) : ImageWithMask(part, mask);
}

// The matching part of the mask strip; none when the strip does not fit the glyph.
QImage TButtonGlyph::sourceMask(int index) const {
  if (mask_.isNull() || mask_.size() != glyph_.size()) return QImage();
  const QSize s = GlyphSize();
  return mask_.copy(index * s.width(), 0, s.width(), s.height());
}

const QImage* TButtonGlyph::StateImage(TButtonState state, const QPalette& pal) {
  const QSize size = GlyphSize();
  if (size.isEmpty()) return nullptr;
  const int strip = GlyphImageIndex(state, NumGlyphs());
  const bool generated = strip < 0;
  Cached& c = cached_[generated ? 1 : 0];
  int& index = c.index[size_t(state)];
  if (index < 0) {
    QImage image;
    if (generated) {
      const bool masked = UsesImageList() || !sourceMask(0).isNull();
      const QImage shape = masked ? ShapeOfImage(sourceImage(0))
                                  : GlyphShape(glyph_.copy(0, 0, size.width(), size.height()), transparent_,
                                               oldDisabledStyle_);
      image = ImageWithKey(EmbossedShape(shape, pal), pal.color(QPalette::Button).rgb());
    } else {
      image = sourceImage(strip);
      if (state == bsDisabled) image = RecolourDisabled(image, pal);
    }
    if (!c.list) c.list = &GlyphCache().GetList(image.size());
    index = c.list->Add(image);
  }
  return &c.list->Image(index);
}

void TButtonGlyph::Invalidate() {
  for (Cached& c : cached_) {
    if (!c.list) continue;
    for (int& index : c.index) {
      c.list->Delete(index);
      index = -1;
    }
    GlyphCache().ReturnList(c.list);
    c.list = nullptr;
  }
}

TButtonLayoutResult TButtonGlyph::DrawButton(QPainter& painter, const TButtonDrawParams& p, const QPalette& pal) {
  const bool showGlyph = p.displayMode != dmTextOnly;
  const QString caption = p.displayMode == dmGlyphOnly ? QString() : p.caption;
  const int wrapFlag = p.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
  const QFontMetrics metrics = painter.fontMetrics();
  TButtonLayoutInput in;
  in.client = p.client;
  in.glyph = showGlyph ? GlyphSize() : QSize();
  in.hasCaption = !caption.isEmpty();
  in.layout = p.layout;
  in.margin = p.margin;
  in.spacing = p.spacing;
  in.arrowWidth = p.dropArrow ? p.arrowWidth : 0;
  in.wordWrap = p.wordWrap;
  in.pushed = p.pushed;
  const TButtonLayoutResult r = CalcButtonLayout(in, [&](int width, bool) {
    return metrics.boundingRect(QRect(0, 0, std::max(1, width), 0x7FFF), Qt::TextShowMnemonic | wrapFlag, caption)
        .size();
  });

  if (!in.glyph.isEmpty())
    if (const QImage* image = StateImage(p.state, pal)) painter.drawImage(r.glyphPos, *image);

  const bool enabled = p.state != bsDisabled;
  if (!r.captionRect.isEmpty()) {
    const int align = p.alignment == taLeftJustify ? Qt::AlignLeft : p.alignment == taRightJustify ? Qt::AlignRight
                                                                                                   : Qt::AlignHCenter;
    const int flags = align | Qt::AlignVCenter | wrapFlag | Qt::TextShowMnemonic;
    const QRect rect = r.captionRect.adjusted(0, 0, 0, 2);
    if (!enabled) {
      painter.setPen(pal.color(QPalette::Light));
      painter.drawText(rect.translated(1, 1), flags, caption);
      painter.setPen(pal.color(QPalette::Dark));
    } else {
      painter.setPen(pal.color(QPalette::ButtonText));
    }
    painter.drawText(rect, flags, caption);
  }
  if (p.dropArrow) DrawDropdownArrow(painter, r.arrowPos, enabled, pal, pal.color(QPalette::ButtonText));
  return r;
}

}  // namespace tbz
