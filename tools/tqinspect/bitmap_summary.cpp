#include <set>

#include "platform/core/bitmap.h"
#include "tools/tqinspect/inspect.h"

void SummarizeBitmap(const std::string& fileName, std::ostream& out) {
  platform::Bitmap bmp;
  try {
    bmp = platform::decodeBmp(ReadFileBytes(fileName));
  } catch (const platform::BmpError& e) {
    throw TInspectError(e.what());
  }
  out << "bitmap: " << fileName << '\n'
      << "  size: " << bmp.width << " x " << bmp.height << " pixels, " << bmp.bitsPerPixel << " bits per pixel\n";
  if (bmp.bitsPerPixel == 8) {
    std::set<int> used(bmp.pixels.begin(), bmp.pixels.end());
    out << "  palette entries used: " << used.size();
    if (!used.empty()) out << " (" << *used.begin() << ".." << *used.rbegin() << ')';
    out << '\n';
  }
}
