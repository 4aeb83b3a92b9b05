#pragma once
// The glyph of one toolbar button: its strip (or an image list's image), the
// image built for each button state, kept in the shared glyph lists, and the
// drawing of glyph, caption and drop-down arrow.
#include <QImage>
#include <QPalette>
#include <QString>
#include <array>
#include <functional>

#include "toolbars/TBZCtls/button_layout.h"
#include "toolbars/TBZCtls/glyph_cache.h"

class QPainter;

namespace tbz {

// Image of the glyph strip shown for a state; -1 when the disabled image is to be generated.
int GlyphImageIndex(TButtonState state, int numGlyphs);

// The glyph's shape (Alpha8, 255 = shape): every pixel that is not the transparent
// colour; unless plainShape, white and light grey (0xC0C0C0) do not count either.
QImage GlyphShape(const QImage& glyph, QRgb transparent, bool plainShape);
// The shape of an image with transparency: its opaque pixels.
QImage ShapeOfImage(const QImage& image);
// The disabled look: one pixel wider and taller, button face with the shape in
// highlight at (1, 1) and in shadow at (0, 0).
QImage EmbossedShape(const QImage& shape, const QPalette& pal);
QImage DisabledGlyph(const QImage& glyph, QRgb transparent, const QPalette& pal, bool oldStyle = false);
// A disabled image drawn by hand: white becomes highlight and 0x808080 shadow.
QImage RecolourDisabled(const QImage& image, const QPalette& pal);

// The caption's accelerator character after a single '&', or 0.
QChar CaptionAccelerator(const QString& caption);

struct TButtonDrawParams {
  QRect client;
  QString caption;
  TButtonState state = bsUp;
  TButtonDisplayMode displayMode = dmBoth;
  TButtonLayout layout = blGlyphLeft;
  TAlignment alignment = taCenter;
  int margin = -1, spacing = 4;
  bool wordWrap = false;
  bool pushed = false;
  bool dropArrow = false;  // an arrow follows the content
  int arrowWidth = 9;
};

// A filled 5x3 arrow pointing down with its top-left corner at p; disabled
// arrows are drawn embossed.
void DrawDropdownArrow(QPainter& painter, QPoint p, bool enabled, const QPalette& pal, const QColor& color);

class TButtonGlyph {
 public:
  TButtonGlyph() = default;
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  const QImage& Glyph() const { return glyph_; }
  // Also sets NumGlyphs from the strip's shape and the transparent colour from
  // its bottom-left pixel.
  void SetGlyph(const QImage& glyph);
  // Monochrome strip laid out like the glyph: black is shape, white transparent.
  const QImage& GlyphMask() const { return mask_; }
  void SetGlyphMask(const QImage& mask);
  // 1 while an image list's image is used.
  int NumGlyphs() const { return UsesImageList() ? 1 : numGlyphs_; }
  void SetNumGlyphs(int n);
  QRgb TransparentColor() const { return transparent_; }
  void SetTransparentColor(QRgb c);
  bool OldDisabledStyle() const { return oldDisabledStyle_; }
  void SetOldDisabledStyle(bool v);
  TImageList* Images() const { return imagesLink_.Sender(); }
  void SetImages(TImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool UsesImageList() const { return Images() && Images()->ValidIndex(imageIndex_); }

  // Size of one image; empty when there is nothing to draw.
  QSize GlyphSize() const;
  // The image shown in a state, built and cached on first use; nullptr without a glyph.
  const QImage* StateImage(TButtonState state, const QPalette& pal);
  // Drops every cached image (the next paint builds them again).
  void Invalidate();

  // Lays out and draws glyph, caption and arrow; returns where they went.
  TButtonLayoutResult DrawButton(QPainter& painter, const TButtonDrawParams& params, const QPalette& pal);

  std::function<void()> OnChange;

 private:
  struct Cached {
    TGlyphList* list = nullptr;
    std::array<int, kButtonStateCount> index{-1, -1, -1, -1, -1};
  };
  // 0: images of the glyph's size; 1: generated disabled images, one pixel larger.
  std::array<Cached, 2> cached_;

  void glyphChanged();
  QImage sourceImage(int index) const;
  QImage sourceMask(int index) const;

  QImage glyph_, mask_;
  int numGlyphs_ = 1;
  QRgb transparent_ = 0;
  bool oldDisabledStyle_ = false;
  int imageIndex_ = -1;
  TChangeLink imagesLink_;
};

}  // namespace tbz
