#pragma once
// Paths of the staged program folder, as the programs resolve stored paths.
#include <filesystem>
#include <string>

#include "platform/core/paths.h"

inline std::filesystem::path stageDir() { return TQ_STAGE_DIR; }

// A path as stored in a document ("levels\1-1.tql"), resolved in the program folder.
inline std::filesystem::path staged(const std::string& stored) {
  return platform::resolvePath(stored, stageDir());
}
inline bool stagedExists(const std::string& stored) { return platform::fileExists(stored, stageDir()); }
