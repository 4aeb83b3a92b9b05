#pragma once
// The caption text of a floating tool window when it is too wide for its bar.
#include <QString>
#include <functional>

namespace tbz {

// A caption that does not fit gets "..." on its end, and characters before the
// dots go until it fits or only four characters are left.
QString fitCaption(const QString& caption, int width, const std::function<int(const QString&)>& textWidth);

}  // namespace tbz
