#pragma once
// Which library image shows each object kind in the editor: the index of the
// kind's first image, by kind (364 level kinds, 100 world-map kinds).
#include <vector>

#include "editor/Docs/document.h"

using TKindImageTable = std::vector<int>;

TKindImageTable LevelKindImages();
TKindImageTable WorldKindImages();
// The table of a document kind; a game has none (empty).
TKindImageTable KindImagesOf(TDocKind kind);
