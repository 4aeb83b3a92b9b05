#include "editor/Docs/document_io.h"
#include "tools/tqinspect/inspect.h"

void Resave(const std::string& in, const std::string& out, std::ostream& log) {
  std::optional<TDocKind> inKind = DocKindOfFileName(in);
  if (!inKind) throw TInspectError("not a level (.tql), world map (.tqw) or game (.tqg) file");
  ReadFileBytes(in);  // a missing input is an error here, not an empty document
  TDocument doc = LoadDocument(in);
  doc.FileName = out;
  try {
    WriteDocument(doc);
  } catch (const EDocumentWrite& e) {
    throw TInspectError(e.what());
  }
  log << "wrote " << out << '\n';
}
