#include <sstream>

#include "components/GKILib/TGKImages.h"
#include "tools/tqinspect/inspect.h"

void SummarizeImageLibrary(const std::string& fileName, std::ostream& out) {
  std::istringstream in(ReadFileBytes(fileName));
  TGKImages images;
  try {
    images.ReadFromStream(in);
  } catch (const EGKImages& e) {
    throw TInspectError(e.what());
  }
  // The format has no trailer: anything after the last image is not the library's.
  in.peek();
  if (!in.eof()) {
    const auto rest = in.str().size() - size_t(in.tellg());
    throw TInspectError(std::to_string(rest) + " bytes after the last image");
  }
  int used = 0;
  for (const auto& entry : images.Palette) used += entry.peFlags != 0;
  out << "image library: " << fileName << '\n'
      << "  signature: " << std::string(images.Signature.data(), 4) << '\n'
      << "  images: " << images.GetCount() << '\n'
      << "  palette entries in use: " << used << " of 256\n";
  for (int i = 0; i < images.GetCount(); ++i) {
    const TGKImageEntry& e = images.GetImageHeader(i);
    out << "  " << i << ": " << e.Width << " x " << e.Height;
    if (!e.NameText().empty()) out << " \"" << e.NameText() << '"';
    out << '\n';
  }
}
