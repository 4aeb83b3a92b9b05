#include <climits>

#include "editor/Docs/document_io.h"
#include "tools/tqinspect/grid_document.h"
#include "tools/tqinspect/inspect.h"

namespace {
constexpr int levelKinds = 364;
}

void SummarizeLevel(const std::string& fileName, std::ostream& out) {
  TProfileText text = ReadProfileText(fileName);
  if (!text.ini.sectionExists("Options")) throw TInspectError("no [Options] section: not a level file");
  CheckSharedOptions(text);
  CheckIntegerKeys(text, "Options",
                   {"Time", "HAutoScroll", "AutoScrollX", "AutoScrollY", "Rain", "RainDensity", "RainSpeed", "BgX",
                    "BgY", "BgWidth", "BgHeight", "Wrap"});
  CheckRange(text, "Options", "Time", 0, INT_MAX);
  CheckRange(text, "Options", "RainDensity", 0, INT_MAX);
  CheckObjectLines(text, levelKinds, "level");
  TDocument doc;
  ReadLevelDocument(doc, fileName);
  // The game starts the player on the first object line.
  if (doc.Objects.empty()) throw TInspectError("no object lines: the first one is the player's start");

  out << "level: " << fileName << '\n';
  if (!doc.AddText.empty()) out << "  text: " << doc.AddText << '\n';
  out << "  time: " << doc.Time << " s\n";
  PrintSharedOptions(doc, out);
  out << "  rain: ";
  if (doc.Rain)
    out << "density " << doc.RainDensity << ", speed " << doc.RainSpeed << '\n';
  else
    out << "no\n";
  out << "  auto-scroll: " << doc.AutoScrollX << ", " << doc.AutoScrollY << (doc.HAutoScroll ? " every second frame" : "")
      << '\n'
      << "  wrapping edges: " << (doc.Wrap ? "yes" : "no") << '\n';
  PrintObjects(doc, out);
  PrintOtherSections(text, out);
}
