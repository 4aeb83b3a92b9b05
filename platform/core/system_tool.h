#pragma once
// Running a tool of the desktop the programs rely on but do not ship (the
// databases of file types, for one), as installed on the system's PATH.
#include <string>
#include <vector>

namespace platform {

// Runs the named program, found on the PATH, with the arguments; its output is
// discarded and it is waited for. False when it is not installed, could not be
// started or did not succeed: callers go on without it.
bool runSystemTool(const std::string& name, const std::vector<std::string>& args);

}  // namespace platform
