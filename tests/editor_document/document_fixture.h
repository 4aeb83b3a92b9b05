#pragma once
// A document window over a recording host and an image library in which image
// i is 16 x 16 of palette entry (i % 250) + 1, named "img<i>"; a few images are
// larger so that objects can overlap.
#include <map>
#include <string>
#include <vector>

#include "editor/frmChild/child_view.h"

class TRecordingChildHost : public TChildHost {
 public:
  std::map<int, std::string> panels;
  std::vector<std::string> questions;
  bool confirmAnswer = true;
  int glyphRefreshes = 0, hintsHidden = 0;
  bool progressShown = false;

  void SetStatusText(int panel, const std::string& text) override { panels[panel] = text; }
  void ShowProgress(int) override { progressShown = true; }
  void StepProgress() override {}
  void HideProgress() override { progressShown = false; }
  void RefreshPaletteGlyphs(TChildView&) override { ++glyphRefreshes; }
  void HideHint() override { ++hintsHidden; }
  bool ConfirmYesNo(const std::string& text, const std::string&) override {
    questions.push_back(text);
    return confirmAnswer;
  }
};

// Image sizes that differ from 16 x 16, by image index.
inline int fixtureImageSide(int image) {
  switch (image) {
    case 57: return 32;  // kind 41 in a level
    default: return 16;
  }
}

inline TGKImages fixtureImages() {
  TGKImages images;
  for (int i = 1; i < 256; ++i) images.Palette[i] = {uint8_t(i), uint8_t(255 - i), 100, 0};
  for (int i = 0; i < 660; ++i) {
    const int side = fixtureImageSide(i);
    images.AddImage(side, side, "img" + std::to_string(i),
                    std::vector<uint8_t>(size_t(side) * side, uint8_t(i % 250 + 1)));
  }
  return images;
}

struct DocumentFixture {
  TRecordingChildHost host;
  TChildView view{host, "/nonexistent/", 1};

  // An empty level of width x height cells of 16 pixels, rendered at zoom 1.0.
  void makeLevel(int width = 16, int height = 8, std::vector<std::string> objects = {}) {
    view.Doc.DocKind = DocLevel;
    view.Doc.Width = width;
    view.Doc.Height = height;
    view.Doc.Objects = std::move(objects);
    view.BuildKindTable(DocLevel);
    view.DXImages.SetImages(fixtureImages());
    view.Render();
  }
  // The point in the middle of a cell at zoom 1.0.
  static int mid(int cell) { return cell * 16 + 8; }
};
