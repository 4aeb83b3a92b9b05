#pragma once
// The real shell: web pages, e-mail addresses and documents open with the
// desktop's default handlers, programs of the program folder start detached.
#include <functional>

#include "platform/core/shell.h"

class QUrl;

namespace platform {

class DesktopShell final : public Shell {
 public:
  // Hands a URL to the desktop's handler of its scheme; true when it was taken.
  using UrlOpener = std::function<bool(const QUrl& url)>;
  DesktopShell();  // QDesktopServices::openUrl
  explicit DesktopShell(UrlOpener open);

  bool openWebPage(const std::string& url) override;
  bool openMailAddress(const std::string& mailto) override;
  // A relative path is taken from the program folder.
  bool openDocument(const std::string& path) override;
  // The name is looked up in the program folder; "Name.exe" also finds "Name",
  // since programs here carry no extension.
  bool startProgram(const std::string& name) override;

 private:
  UrlOpener open_;
};

}  // namespace platform
