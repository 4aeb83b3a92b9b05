#include "toolbars/TBZ/caption_text.h"

namespace tbz {

QString fitCaption(const QString& caption, int width, const std::function<int(const QString&)>& textWidth) {
  if (textWidth(caption) <= width) return caption;
  QString text = caption + "...";
  while (text.size() > 4 && textWidth(text) > width) text.remove(text.size() - 4, 1);
  return text;
}

}  // namespace tbz
