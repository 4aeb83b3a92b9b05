#pragma once
// The launcher shown before the game window: a logo, four explanatory texts with
// their buttons, and a version check over HTTP that runs once while the launcher
// is created. This is the launcher's logic without any window; the dialog in
// init_dialog.h shows it. Text is Windows-1252.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Launcher strings; a language file's [MainWindow] section replaces them.
extern std::string URL;          // the official web site
extern std::string DownloadURL;  // its download page
extern std::string VersionURL;   // the version file read by the check
extern std::string strMessageH;  // first line of the new-version question
extern std::string strMessageF;  // last line of it

// The tag of this release; the version file's first line names the newest one.
inline constexpr const char* kVersionTag = "BETA92";

// Request headers and read time-out of the launcher's HTTP client.
std::vector<std::pair<std::string, std::string>> versionRequestHeaders();
inline constexpr int kVersionReadTimeoutMs = 1000;

class TfmInit {
 public:
  struct TLabel {
    std::string Caption;
    bool Visible = true;
  };
  enum TModalResult { mrNone, mrOK, mrCancel };

  // What the launcher needs from outside: the HTTP client (the body, or nothing
  // on any failure), the Yes/No question box (true for Yes), the browser (true
  // when one took the page) and the error box.
  struct Services {
    std::function<std::optional<std::string>(const std::string& url)> httpGet;
    std::function<bool(const std::string& title, const std::string& text)> askYesNo;
    std::function<bool(const std::string& url)> openWebPage;
    std::function<void(const std::string& title, const std::string& text)> showError;
  };

  explicit TfmInit(Services services);

  // Components in window order; captions are the built-in Spanish texts.
  std::string Caption;
  TLabel lbl1, lblStart, lblOpenGame, lblWebSite, lblCheckVersion;
  TLabel btnWebSite, btnCheckVersion, btnOpenGame, btnStart;
  TModalResult ModalResult = mrNone;

  // Caption, language from Hopz.ini in the program folder, then the version check.
  void FormCreate();
  void FormClose();
  void btnStartClick();
  void btnCheckVersionClick();
  void btnWebSiteClick();
  void btnOpenGameClick();

  // Applies "Languages\<Name>.ini" of the program folder; an empty name or a
  // missing file changes nothing.
  void ApplyLanguage(const std::string& Name);
  // Asks to open the download page when the published tag differs from ours.
  void VerificarVersion();

  // The question the check asks for a version file's text; nothing when the
  // file names this release.
  static std::optional<std::string> versionQuestion(const std::string& versionFile);

 private:
  // Opens a page in the browser; when none takes it, the error box says so.
  void openWebPage(const std::string& url);

  Services services_;
};
