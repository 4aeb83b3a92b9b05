#pragma once
// Reading what the art generator staged in the program folder.
#include <filesystem>
#include <fstream>
#include <string>

#include "components/GKILib/TGKImages.h"

inline std::filesystem::path stagedFile(const std::string& relative) {
  return std::filesystem::path(TQ_STAGE_DIR) / relative;
}

inline TGKImages loadStagedLibrary(const std::string& relative) {
  std::ifstream in(stagedFile(relative), std::ios::binary);
  if (!in) throw std::runtime_error("missing " + relative);
  TGKImages lib;
  lib.ReadFromStream(in);
  return lib;
}

// Every pixel of an image, row padding left out.
template <typename F>
void forEachPixel(const TGKImageEntry& e, F f) {
  const int rowBytes = (e.Width + 3) / 4 * 4;
  for (int y = 0; y < e.Height; ++y)
    for (int x = 0; x < e.Width; ++x) f(x, y, e.Bits[size_t(y) * rowBytes + x]);
}
