// tqinspect FILE            what the file holds (exit 0), or one "error:" line (exit 1)
// tqinspect --resave IN OUT  a level, world map or game read and written by the editor's code
// tqinspect --sheet LIB.iml OUT.png  a contact sheet of an image library
#include <exception>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "content/art/iml_sheet.h"
#include "platform/core/paths.h"
#include "tools/tqinspect/inspect.h"

namespace {

int usage() {
  std::cerr << "usage: tqinspect FILE\n       tqinspect --resave IN OUT\n       tqinspect --sheet LIB.iml OUT.png\nFILE is one of:";
  for (const TSummaryKind& kind : SummaryKinds()) std::cerr << ' ' << kind.extension << " (" << kind.description << ')';
  std::cerr << '\n';
  return 2;
}

int inspect(const std::string& fileName) {
  std::string ext = platform::lowerCase(platform::extractFileExt(fileName));
  for (const TSummaryKind& kind : SummaryKinds()) {
    if (ext == kind.extension) {
      // Nothing is printed until the whole file has been found valid.
      std::ostringstream summary;
      kind.summarize(fileName, summary);
      std::cout << summary.str();
      return 0;
    }
  }
  throw TInspectError("unknown kind of file \"" + ext + "\"");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string subject = args.empty() ? "" : args.back();
  try {
    if (args.size() == 3 && args[0] == "--resave") {
      subject = args[1];
      Resave(args[1], args[2], std::cout);
      return 0;
    }
    if (args.size() == 3 && args[0] == "--sheet") {
      subject = args[1];
      WriteLibrarySheet(args[1], args[2], std::cout);
      return 0;
    }
    if (args.size() != 1 || args[0].starts_with("--")) return usage();
    return inspect(args[0]);
  } catch (const std::exception& e) {
    std::cout << "error: " << subject << ": " << e.what() << std::endl;
  } catch (...) {
    std::cout << "error: " << subject << ": unexpected failure" << std::endl;
  }
  return 1;
}
