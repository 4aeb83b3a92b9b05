#include "editor/Docs/document.h"

#include "platform/core/paths.h"

std::optional<TDocKind> DocKindOfFileName(std::string_view fileName) {
  std::string ext = platform::lowerCase(platform::extractFileExt(fileName));
  if (ext == ".tqg") return DocGame;
  if (ext == ".tqw") return DocWorldMap;
  if (ext == ".tql") return DocLevel;
  return std::nullopt;
}

const char* DocKindExtension(TDocKind kind) {
  switch (kind) {
    case DocWorldMap: return ".tqw";
    case DocLevel: return ".tql";
    case DocGame: break;
  }
  return ".tqg";
}

std::string NewGameText() { return "[Options]\r\nLifes=\r\nMapFile=\r\n"; }
