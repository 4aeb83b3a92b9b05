#pragma once
// Opening web pages, e-mail addresses and documents with the user's default
// programs, and starting programs of the program folder.
#include <string>
#include <vector>

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Only http:// and https:// addresses are opened; anything else returns false.
  virtual bool openWebPage(const std::string& url) = 0;
  // A new message in the user's mail program; only mailto: addresses are opened,
  // anything else returns false.
  virtual bool openMailAddress(const std::string& mailto) = 0;
  // A file of the program folder; addresses of any scheme are refused.
  virtual bool openDocument(const std::string& path) = 0;
  // Starts the named program of the program folder without waiting for it.
  virtual bool startProgram(const std::string& name) = 0;
};

bool isWebAddress(const std::string& url);
// "mailto:" (any letter case) followed by an address, with no blanks or control
// characters that would split the request.
bool isMailAddress(const std::string& url);

// Remembers every request instead of carrying it out (tests); answers `result`.
class RecordingShell final : public Shell {
 public:
  bool openWebPage(const std::string& url) override;
  bool openMailAddress(const std::string& mailto) override;
  bool openDocument(const std::string& path) override;
  bool startProgram(const std::string& name) override;
  struct Request { std::string kind; std::string target; };
  std::vector<Request> requests;
  bool result = true;
};

// The shell in use: a recording one until the programs install the real one.
Shell& shell();
void setShell(Shell* s);  // nullptr restores the default

}  // namespace platform
