#include "editor/Docs/document_io.h"
#include "tools/tqinspect/grid_document.h"
#include "tools/tqinspect/inspect.h"

namespace {
constexpr int worldKinds = 100;
}

void SummarizeWorld(const std::string& fileName, std::ostream& out) {
  TProfileText text = ReadProfileText(fileName);
  if (!text.ini.sectionExists("Options")) throw TInspectError("no [Options] section: not a world-map file");
  CheckSharedOptions(text);
  CheckIntegerKeys(text, "Options", {"InitialInfo"});
  CheckObjectLines(text, worldKinds, "world-map");
  TDocument doc;
  ReadWorldDocument(doc, fileName);

  out << "world map: " << fileName << '\n'
      << "  name: " << doc.Name << '\n'
      << "  short name: " << doc.ShortName << '\n'
      << "  opening information: " << (doc.InitialInfo ? "yes" : "no") << '\n';
  PrintSharedOptions(doc, out);
  PrintObjects(doc, out);
  PrintOtherSections(text, out);
}
