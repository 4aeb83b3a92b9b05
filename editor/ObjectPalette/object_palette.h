#pragma once
// The object palette without its widgets: which sub-page each page set shows,
// which button is down (at most one, and it may be released), the scrolling of
// the sub-page notebooks, and the buttons' glyphs from a document's library.
#include <functional>
#include <vector>

#include "editor/ObjectPalette/palette_pages.h"
#include "editor/components/TGKEditorImageLib.h"
#include "editor/frmChild/kind_images.h"
#include "platform/draw/gdi_bitmap.h"

inline constexpr int kPaletteRowStep = 22;
inline constexpr int kPaletteNotebookTop = 16;
inline constexpr int kPaletteGlyphSize = 18;

class TObjectPalette {
 public:
  // Arming a kind (the document's cross cursor) or disarming (the default cursor).
  std::function<void(TObjectPalette& sender, int kind)> OnArm;
  std::function<void(TObjectPalette& sender)> OnDisarm;
  // A glyph was redrawn: the progress bar advances one step.
  std::function<void(TObjectPalette& sender)> OnStep;

  // The page set shown: levels "Game", else "Map".
  TDocKind PageSet() const { return pageSet_; }
  void ShowPageSet(TDocKind kind) { pageSet_ = kind == DocLevel ? DocLevel : DocWorldMap; }
  int SubPage() const { return subPage_[setIndex()]; }
  // A menu item: shows the sub-page and presses its first button.
  void SelectSubPage(int index);
  // Index of the down button on the shown sub-page, or -1.
  int DownButton() const { return down_[setIndex()]; }
  // A click: presses the button, or releases it when it was down.
  void ClickButton(int index);

  // Scrolling the shown page set's notebook inside a panel of panelHeight for a
  // notebook of notebookHeight pixels.
  int NotebookTop() const { return top_[setIndex()]; }
  bool UpEnabled() const { return upEnabled_[setIndex()]; }
  bool DownEnabled() const { return downEnabled_[setIndex()]; }
  void ScrollUp();  // "t": the notebook moves down
  void ScrollDown(int panelHeight, int notebookHeight);

  // One 18 x 18 glyph per button of every sub-page of the page set of the
  // document, the kind's first image at (1, 1) with transparent pixels white,
  // one step of OnStep each; then that page set is shown.
  void RefreshGlyphs(TDocKind kind, TGKEditorImageLib& images, const TKindImageTable& kindImages);
  // Glyphs by sub-page and button, of a page set.
  const std::vector<std::vector<platform::GdiBitmap>>& Glyphs(TDocKind kind) const {
    return glyphs_[kind == DocLevel ? 1 : 0];
  }

 private:
  int setIndex() const { return pageSet_ == DocLevel ? 1 : 0; }
  TDocKind pageSet_ = DocLevel;
  int subPage_[2] = {0, 0};
  int down_[2] = {-1, -1};
  int top_[2] = {kPaletteNotebookTop, kPaletteNotebookTop};
  bool upEnabled_[2] = {false, false};
  bool downEnabled_[2] = {true, true};
  std::vector<std::vector<platform::GdiBitmap>> glyphs_[2];
};
