#pragma once
// Opens the product's web page or a pre-addressed e-mail with the user's
// default programs, through the platform shell (which opens only http and
// https pages and mailto: addresses, and decides itself which program shows them).
#include <string>

enum TBrowserState { gwMaximized, gwNormal };

class TGoToWeb {
 public:
  std::string Url;
  std::string EMail;
  std::string EMailSubject;
  // The window state asked of the started program; the desktop may ignore it.
  TBrowserState BrowserState = gwMaximized;

  // True when the shell opened the page.
  bool OpenURL() const;
  // "mailto:" + EMail + "?subject=" + EMailSubject in the user's mail program;
  // true when the shell opened it. An empty address, or one holding blanks,
  // control characters or any of ?&#"<> (which would change the request), is refused.
  bool SendEMail() const;
  std::string MailToAddress() const;
};
