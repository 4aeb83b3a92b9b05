#pragma once
// Saving a drawn library as an image library file.
#include <filesystem>

#include "components/GKILib/TGKImages.h"
#include "content/mapart/art_library.h"

namespace mapart {

TGKImages toImages(const ArtLibrary& lib);
void writeImageLibrary(const std::filesystem::path& path, const ArtLibrary& lib);

}  // namespace mapart
