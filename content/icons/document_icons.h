#pragma once
// The icons of the editor program and of its three document types, in the two
// sizes the desktop shows them at. Empty pixels are fully transparent.
#include <string>
#include <vector>

#include "content/icons/icon_palette.h"

namespace icons {

inline constexpr int kIconSizes[] = {16, 32};

enum class IconContext { MimeType, Application };

struct NamedIcon {
  std::string name;  // icon-theme name, e.g. "application-x-tobbostudio-level"
  IconContext context;
  int size;
  Canvas picture;  // size x size
};

// Game, world-map and level document icons and the editor's, each size.
std::vector<NamedIcon> buildDocumentIcons();

// Rows of RGBA bytes, top row first, transparent where the picture is empty.
std::vector<unsigned char> rgbaPixels(const Canvas& picture);

}  // namespace icons
