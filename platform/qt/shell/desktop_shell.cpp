#include "platform/qt/shell/desktop_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

#include <filesystem>

#include "platform/core/paths.h"
#include "platform/qt/text/qt_text.h"

namespace platform {

namespace {

std::filesystem::path inProgramFolder(const std::string& stored) {
  return resolvePath(stored, programFolder());
}

}  // namespace

DesktopShell::DesktopShell() : DesktopShell(&QDesktopServices::openUrl) {}

DesktopShell::DesktopShell(UrlOpener open) : open_(std::move(open)) {}

bool DesktopShell::openWebPage(const std::string& url) {
  if (!isWebAddress(url)) return false;
  const QUrl target(qt::qs(url), QUrl::TolerantMode);
  return target.isValid() && open_(target);
}

bool DesktopShell::openMailAddress(const std::string& mailto) {
  if (!isMailAddress(mailto)) return false;
  const QUrl target(qt::qs(mailto), QUrl::TolerantMode);
  return target.isValid() && target.scheme().compare("mailto", Qt::CaseInsensitive) == 0 && open_(target);
}

bool DesktopShell::openDocument(const std::string& path) {
  if (path.empty()) return false;
  const std::filesystem::path file = inProgramFolder(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  return open_(QUrl::fromLocalFile(qt::qPath(file)));
}

bool DesktopShell::startProgram(const std::string& name) {
  if (name.empty()) return false;
  std::error_code ec;
  std::filesystem::path program = inProgramFolder(name);
  if (!std::filesystem::is_regular_file(program, ec) && sameText(extractFileExt(name), ".exe"))
    program = inProgramFolder(changeFileExt(name, ""));
  if (!std::filesystem::is_regular_file(program, ec)) return false;
  return QProcess::startDetached(qt::qPath(program), {}, qt::qPath(programFolder()));
}

}  // namespace platform
