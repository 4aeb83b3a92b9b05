#pragma once
// The contact sheet of an image library file (tqinspect --sheet LIB.iml OUT.png).
#include <ostream>
#include <string>

// Reads the library (its own errors name what is wrong with it), writes the
// sheet and reports what was written to `log`.
void WriteLibrarySheet(const std::string& imlPath, const std::string& pngPath, std::ostream& log);
