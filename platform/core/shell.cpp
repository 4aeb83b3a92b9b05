#include "platform/core/shell.h"

#include <string_view>

#include "platform/core/paths.h"

namespace platform {

bool isWebAddress(const std::string& url) {
  std::string lower = lowerCase(url);
  return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

bool isMailAddress(const std::string& url) {
  constexpr std::string_view scheme = "mailto:";
  if (url.size() <= scheme.size() || lowerCase(url.substr(0, scheme.size())) != scheme) return false;
  for (unsigned char c : url)
    if (c <= ' ' || c == 127) return false;
  return true;
}

bool RecordingShell::openWebPage(const std::string& url) {
  if (!isWebAddress(url)) return false;
  requests.push_back({"web", url});
  return result;
}

bool RecordingShell::openMailAddress(const std::string& mailto) {
  if (!isMailAddress(mailto)) return false;
  requests.push_back({"mail", mailto});
  return result;
}

bool RecordingShell::openDocument(const std::string& path) {
  requests.push_back({"document", path});
  return result;
}

bool RecordingShell::startProgram(const std::string& name) {
  requests.push_back({"program", name});
  return result;
}

namespace {
RecordingShell gDefaultShell;
Shell* gShell = &gDefaultShell;
}  // namespace

Shell& shell() { return *gShell; }
void setShell(Shell* s) { gShell = s ? s : &gDefaultShell; }

}  // namespace platform
