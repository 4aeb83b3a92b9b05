#include "editor/frmChild/text_view.h"

#include <algorithm>

std::string TextViewText(std::string_view fileText) {
  std::string shown;
  shown.reserve(fileText.size());
  for (size_t i = 0; i < fileText.size(); ++i) {
    if (fileText[i] == '\r') {
      shown += '\n';
      if (i + 1 < fileText.size() && fileText[i + 1] == '\n') ++i;
    } else {
      shown += fileText[i];
    }
  }
  return shown;
}

std::vector<TTextRun> TextViewRuns(std::string_view text) {
  std::vector<TTextRun> runs;
  if (!text.empty()) runs.push_back({0, int(std::min<size_t>(9, text.size())), kTextHeadColor});
  if (size_t at = text.find("[Sprites]"); at != std::string_view::npos)
    runs.push_back({int(at), 9, kTextHeadColor});
  size_t lineStart = 0;
  while (lineStart < text.size()) {
    size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = text.size();
    const size_t eq = text.substr(lineStart, lineEnd - lineStart).find('=');
    if (eq != std::string_view::npos && lineStart + eq + 1 < lineEnd) {
      const size_t from = lineStart + eq + 1;
      runs.push_back({int(from), int(lineEnd - from), kTextValueColor});
    }
    lineStart = lineEnd + 1;
  }
  return runs;
}
