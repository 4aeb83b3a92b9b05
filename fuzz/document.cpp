// The editor's document reader: the first byte chooses a level, a world map or
// a game; the rest is the file, opened, drawn and clicked as the editor does.
#include "editor/Docs/document_io.h"
#include "editor/frmChild/child_host.h"
#include "editor/frmChild/child_view.h"
#include "fuzz/support/fuzz_support.h"

namespace {

class NoHost final : public TChildHost {
 public:
  void SetStatusText(int, const std::string&) override {}
  void ShowProgress(int) override {}
  void StepProgress() override {}
  void HideProgress() override {}
  void RefreshPaletteGlyphs(TChildView&) override {}
  void HideHint() override {}
  bool ConfirmYesNo(const std::string&, const std::string&) override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kExtensions[] = {".tql", ".tqw", ".tqg"};
  const int kind = data[0] % 3;
  const std::string file = writeProgramFile(std::string("fuzz") + kExtensions[kind], inputText(data + 1, size - 1));
  NoHost host;
  TChildView view(host, fuzzProgramFolder(), 1);
  view.Doc.Password = ReadDocumentPassword(file);
  view.Doc.FileName = file;
  if (kind == 2) {
    ReadGameDocument(view.Doc, file);
    view.Doc.DocKind = DocGame;
    view.LoadTextView();
    return 0;
  }
  const TDocKind docKind = kind == 0 ? DocLevel : DocWorldMap;
  kind == 0 ? ReadLevelDocument(view.Doc, file) : ReadWorldDocument(view.Doc, file);
  view.Doc.DocKind = docKind;
  view.BuildKindTable(docKind);
  view.InitView();
  view.LoadTextView();
  view.UpdateStatus();
  try {
    view.Render();  // a size or line the view cannot draw is told to the author
  } catch (const std::exception&) {
    return 0;
  }
  for (int x : {0, 17, 100}) view.MouseDown(mbLeft, x, x);
  return 0;
}
