#include "editor/Docs/document.h"

#include "platform/core/paths.h"

std::optional<TDocKind> DocKindOfFileName(const std::filesystem::path& fileName) {
  std::string ext = platform::lowerCase(platform::extractFileExt(fileName.string()));
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

std::string LevelSizeText(const ELevelSize& e) {
  return std::string(e.Kind == DocWorldMap ? "El mapa \"" : "El nivel \"") + e.Caption +
         "\" es demasiado grande para dibujarlo (" + std::to_string(e.Width) + " x " + std::to_string(e.Height) +
         " celdas de " + std::to_string(e.ResFactor) + " p\xEDxeles).";
}

std::string UndrawableObjectText(const std::string& caption) {
  return "No se pudo dibujar todo \"" + caption +
         "\": un objeto tiene un n\xFAmero de animaci\xF3n o de celda que no es v\xE1lido. Los objetos anteriores a "
         "\xE9l est\xE1n dibujados.";
}
