#include "game/frmInit/frmInit.h"

#include "game/frmInit/app_title.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"

std::string URL = kWebSiteRoot;
std::string DownloadURL = kWebSiteRoot + "descargas";
std::string VersionURL = kWebSiteRoot + "recursos/version/version.txt";
std::string strMessageH = "\xA1Nueva versi\xF3n disponible!";
std::string strMessageF = "\xBF" "Deseas descargarla ahora?";

std::vector<std::pair<std::string, std::string>> versionRequestHeaders() {
  return {{"User-Agent", "Mozilla/3.0 (compatible; Tobbo Quest Studio)"},
          {"Accept", "text/html, */*"},
          {"Content-Type", "text/html"}};
}

namespace {

// Lines of a text file, whatever its line breaks: CR LF, LF or a lone CR.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// A non-empty value of the key replaces text; a missing or empty one keeps it.
void replaceFrom(const platform::IniFile& ini, const char* section, const char* key, std::string& text) {
  std::string value = ini.readString(section, key, "");
  if (!value.empty()) text = std::move(value);
}

}  // namespace

TfmInit::TfmInit(Services services) : services_(std::move(services)) {
  lbl1.Caption = "Versi\xF3n Editable (Beta 9.2)";
  lblStart.Caption = "Inicia Tobbo Quest Studio con el juego por defecto:";
  lblOpenGame.Caption =
      "Abre un juego personalizado, creado por t\xED o por otros miembros de la comunidad de Tobbo Quest Studio:";
  lblOpenGame.Visible = false;
  lblWebSite.Caption = "Visita la web oficial del juego para conocer las novedades:";
  lblCheckVersion.Caption = "Comprueba la versi\xF3n disponible en la web para descargar:";
  btnWebSite.Caption = "Ir a la web oficial";
  btnCheckVersion.Caption = "Buscar nuevas versiones";
  btnOpenGame.Caption = "Abrir juego personalizado";
  btnOpenGame.Visible = false;
  btnStart.Caption = "Iniciar Tobbo Quest Studio";
}

void TfmInit::FormCreate() {
  Caption = kApplicationTitle;
  // Read once and closed again: the launcher never changes the settings file.
  const platform::IniFile settings(platform::resolvePath("Hopz.ini", platform::programFolder()));
  ApplyLanguage(settings.readString("Options", "Language", ""));
  VerificarVersion();
}

void TfmInit::FormClose() {}

void TfmInit::btnStartClick() { ModalResult = mrOK; }

void TfmInit::btnCheckVersionClick() { openWebPage(DownloadURL); }

void TfmInit::btnWebSiteClick() { openWebPage(URL); }

void TfmInit::openWebPage(const std::string& url) {
  if (!services_.openWebPage || services_.openWebPage(url)) return;
  if (services_.showError) services_.showError("Error", WebPageNotOpenedText(url));
}

void TfmInit::btnOpenGameClick() {}

void TfmInit::ApplyLanguage(const std::string& Name) {
  if (Name.empty()) return;
  const std::string stored = "Languages\\" + Name + ".ini";
  if (!platform::fileExists(stored, platform::programFolder())) return;
  const platform::IniFile ini(platform::resolvePath(stored, platform::programFolder()));
  replaceFrom(ini, "Init", "lblCheckVersion", lblCheckVersion.Caption);
  replaceFrom(ini, "Init", "btnCheckVersion", btnCheckVersion.Caption);
  replaceFrom(ini, "Init", "lblWebSite", lblWebSite.Caption);
  replaceFrom(ini, "Init", "btnWebSite", btnWebSite.Caption);
  replaceFrom(ini, "Init", "lblOpenGame", lblOpenGame.Caption);
  replaceFrom(ini, "Init", "btnOpenGame", btnOpenGame.Caption);
  replaceFrom(ini, "Init", "lblStart", lblStart.Caption);
  replaceFrom(ini, "Init", "btnStart", btnStart.Caption);
  replaceFrom(ini, "MainWindow", "URL", URL);
  replaceFrom(ini, "MainWindow", "DownloadURL", DownloadURL);
  replaceFrom(ini, "MainWindow", "VersionURL", VersionURL);
  replaceFrom(ini, "MainWindow", "strMessageH", strMessageH);
  replaceFrom(ini, "MainWindow", "strMessageF", strMessageF);
}

std::optional<std::string> TfmInit::versionQuestion(const std::string& versionFile) {
  const std::vector<std::string> lines = splitLines(versionFile);
  auto line = [&](size_t i) { return i < lines.size() ? lines[i] : std::string(); };
  if (line(0) == kVersionTag) return std::nullopt;
  return strMessageH + "\r\n\r\n" + line(1) + "\r\n" + line(2) + "\r\n" + line(3) + "\r\n\r\n" + strMessageF;
}

void TfmInit::VerificarVersion() {
  if (!services_.httpGet) return;
  const std::optional<std::string> body = services_.httpGet(VersionURL);
  if (!body) return;  // no network, time-out or HTTP error: silently go on
  const std::optional<std::string> question = versionQuestion(*body);
  if (!question || !services_.askYesNo) return;
  if (services_.askYesNo("Information", *question)) openWebPage(DownloadURL);
}
