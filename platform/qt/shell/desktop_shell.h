#pragma once
// The real shell: web pages and documents open with the desktop's default
// handlers, programs of the program folder start detached.
#include "platform/core/shell.h"

namespace platform {

class DesktopShell final : public Shell {
 public:
  bool openWebPage(const std::string& url) override;
  // A relative path is taken from the program folder.
  bool openDocument(const std::string& path) override;
  // The name is looked up in the program folder; "Name.exe" also finds "Name",
  // since programs here carry no extension.
  bool startProgram(const std::string& name) override;
};

}  // namespace platform
