// The message box that shows a level's AddText in the middle of the view.
#include <cctype>
#include <string>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZ/TGKSurface.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"

namespace {
constexpr size_t kLineLength = 13;
}

std::vector<std::string> MessageBoxLines(const std::string& text) {
  // Line i after the first starts on the last character of the slot before it
  // (the 13th, 26th ...), where a level's author puts the space between lines:
  // a space there is skipped and the line is the 12 characters after it; any
  // other character shows again at the start of the line.
  std::vector<std::string> lines;
  const size_t count = text.size() / kLineLength + 1;
  for (size_t i = 0; i < count; ++i) {
    size_t start = i == 0 ? 0 : kLineLength * i - 1;
    size_t length = kLineLength;
    if (i > 0 && start < text.size() && text[start] == ' ') {
      ++start;
      --length;
    }
    std::string line = start < text.size() ? text.substr(start, length) : std::string();
    for (char& c : line) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    lines.push_back(std::move(line));
  }
  return lines;
}

void DrawMessageBox() {
  TfmMain& w = *fmMain;
  TGKScreen& screen = *w.DXScreen;
  if (!screen.BackSurface) return;
  const TRect clip = screen.GetClipRect();
  const int cx = clip.Right / 2, cy = clip.Bottom / 2;
  TGKCanvas& canvas = *screen.BackSurface->Canvas;
  canvas.Brush.Style = platform::bsSolid;
  canvas.Brush.Color = platform::clBlack;
  canvas.FillRect(TRect{cx - 64, cy - 70, cx + 64, cy + 10});
  canvas.Brush.Color = platform::clWhite;
  canvas.RoundRect(cx - 59, cy - 68, cx + 59, cy + 8, 6, 6);
  canvas.Brush.Style = platform::bsClear;
  canvas.Rectangle(cx - 57, cy - 65, cx + 57, cy + 5);
  canvas.Release();

  const std::vector<std::string> lines = MessageBoxLines(Level.Options.AddText);
  for (size_t i = 0; i < lines.size(); ++i)
    w.DrawBitmapText(cx - 50, cy - 59 + 15 * static_cast<int>(i), lines[i]);
}
