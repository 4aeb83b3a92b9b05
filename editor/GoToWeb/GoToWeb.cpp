#include "editor/GoToWeb/GoToWeb.h"

#include "platform/core/shell.h"

namespace {

bool safeMailAddress(const std::string& address) {
  if (address.empty()) return false;
  for (unsigned char c : address)
    if (c <= ' ' || c == 127 || std::string("?&#\"<>").find(char(c)) != std::string::npos) return false;
  return true;
}

// The subject as a query value: only unreserved characters stay as they are.
std::string percentEncoded(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
        c == '-' || c == '_' || c == '.' || c == '~') {
      out += char(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

}  // namespace

bool TGoToWeb::OpenURL() const { return platform::shell().openWebPage(Url); }

std::string TGoToWeb::MailToAddress() const {
  return "mailto:" + EMail + "?subject=" + percentEncoded(EMailSubject);
}

bool TGoToWeb::SendEMail() const {
  if (!safeMailAddress(EMail)) return false;
  return platform::shell().openMailAddress(MailToAddress());
}
