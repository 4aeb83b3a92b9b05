#include "editor/ObjectPalette/object_palette.h"

void TObjectPalette::SelectSubPage(int index) {
  const auto pages = PalettePages(pageSet_);
  if (index < 0 || index >= int(pages.size())) return;
  subPage_[setIndex()] = index;
  down_[setIndex()] = 0;
  if (OnArm) OnArm(*this, pages[size_t(index)].Buttons[0].Kind);
}

void TObjectPalette::ClickButton(int index) {
  const auto buttons = PalettePages(pageSet_)[size_t(SubPage())].Buttons;
  if (index < 0 || index >= int(buttons.size())) return;
  int& down = down_[setIndex()];
  if (down == index) {
    down = -1;
    if (OnDisarm) OnDisarm(*this);
  } else {
    down = index;
    if (OnArm) OnArm(*this, buttons[size_t(index)].Kind);
  }
}

void TObjectPalette::ScrollUp() {
  const int s = setIndex();
  top_[s] += kPaletteRowStep;
  downEnabled_[s] = true;
  if (top_[s] > 15) upEnabled_[s] = false;
}

void TObjectPalette::ScrollDown(int panelHeight, int notebookHeight) {
  const int s = setIndex();
  top_[s] -= kPaletteRowStep;
  upEnabled_[s] = true;
  if (top_[s] <= panelHeight - notebookHeight - 15) downEnabled_[s] = false;
}

void TObjectPalette::RefreshGlyphs(TDocKind kind, TGKEditorImageLib& images, const TKindImageTable& kindImages) {
  const auto pages = PalettePages(kind);
  auto& glyphs = glyphs_[kind == DocLevel ? 1 : 0];
  glyphs.resize(pages.size());
  // Glyphs show transparent pixels white, whatever the document's background.
  const bool savedUse = images.UseBackgroundColor;
  images.UseBackgroundColor = false;
  for (size_t p = 0; p < pages.size(); ++p) {
    glyphs[p].resize(pages[p].Buttons.size());
    for (size_t b = 0; b < pages[p].Buttons.size(); ++b) {
      platform::GdiBitmap& glyph = glyphs[p][b];
      if (glyph.Empty()) glyph.SetSize(kPaletteGlyphSize, kPaletteGlyphSize, 32);
      const int kind = pages[p].Buttons[b].Kind;
      if (kind >= 0 && kind < int(kindImages.size()))
        images.DrawTransparentEditor(glyph.Canvas(), 1, 1, kindImages[size_t(kind)]);
      if (OnStep) OnStep(*this);
    }
  }
  images.UseBackgroundColor = savedUse;
  ShowPageSet(kind);
}
