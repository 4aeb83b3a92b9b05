#pragma once
// What a document window needs of the main window around it: the status bar
// and its progress bar, the object palette, the hint window and its question
// box. The editor's main window implements it; tests record it.
#include <string>

class TChildView;

class TChildHost {
 public:
  virtual ~TChildHost() = default;

  // Panels 0 (activity), 1 (count and selection) and 2 (selected object).
  virtual void SetStatusText(int panel, const std::string& text) = 0;
  virtual void ShowProgress(int max) = 0;
  virtual void StepProgress() = 0;
  virtual void HideProgress() = 0;

  // The palette redraws its buttons from this document's library.
  virtual void RefreshPaletteGlyphs(TChildView& view) = 0;
  virtual void HideHint() = 0;

  // Text and title are Windows-1252; the box shows the question icon.
  virtual bool ConfirmYesNo(const std::string& text, const std::string& title) = 0;
};
