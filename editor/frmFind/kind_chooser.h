#pragma once
// The kind chooser of the find, replace and fill dialogs: the number edit with
// its up-down and the preview of the kind's first image.
#include <functional>
#include <string>

class TKindChooser {
 public:
  // After every change of the number: the preview is white, then shows kind.
  std::function<void(TKindChooser& Sender, int kind)> OnPreviewChange;

  int Kind = 61;
  std::string Text = "61";
  int Max = 229;  // the designed range; Show widens it

  // Each showing of the dialog: the up-down takes every level kind.
  void Show() { Max = 362; }
  // The edit's text changed; a text that is no whole number keeps the kind.
  void Change(const std::string& text);
  void SetKind(int kind) { Change(std::to_string(kind)); }
};
