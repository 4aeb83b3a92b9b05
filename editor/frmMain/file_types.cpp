#include "editor/frmMain/file_types.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "platform/core/ini_file.h"
#include "platform/core/system_tool.h"
#include "platform/core/text_encoding.h"

namespace {

const TFileType kFileTypes[3] = {
    {".tqg", "TobboStudio.GameFile", "application/x-tobbostudio-game", "Juego de Tobbo Quest (Versi\xF3n Editable)"},
    {".tqw", "TobboStudio.WorldFile", "application/x-tobbostudio-world", "Mundo de Tobbo Quest (Versi\xF3n Editable)"},
    {".tql", "TobboStudio.LevelFile", "application/x-tobbostudio-level", "Nivel de Tobbo Quest (Versi\xF3n Editable)"},
};

std::string xmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// One argument of an Exec line: quoted, with the characters the desktop entry
// format reserves escaped inside the quotes, and then the value's own escapes.
std::string execArgument(const std::string& arg) {
  std::string quoted = "\"";
  for (char c : arg) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) {
    if (c == '\\') value += '\\';
    value += c;
  }
  return value;
}

// Copies one icon into the user's theme when the program folder has it.
void installIcon(const std::filesystem::path& iconFolder, const std::filesystem::path& themeFolder,
                 const std::filesystem::path& relative, std::vector<std::filesystem::path>& installed) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(iconFolder / relative, ec)) return;
  const std::filesystem::path target = themeFolder / relative;
  std::filesystem::create_directories(target.parent_path(), ec);
  if (!ec) std::filesystem::copy_file(iconFolder / relative, target, std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) throw platform::IniWriteError("Unable to write to " + target.string());
  installed.push_back(target);
}

}  // namespace

const TFileType (&FileTypes())[3] { return kFileTypes; }

std::string MimeIconName(const TFileType& type) {
  std::string name = type.mimeType;
  for (char& c : name)
    if (c == '/') c = '-';
  return name;
}

std::filesystem::path UserDataHome() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    std::filesystem::path p(xdg);
    if (p.is_absolute()) return p;
  }
  const char* home = std::getenv("HOME");
  if (!home || !*home || !std::filesystem::path(home).is_absolute())
    throw std::runtime_error("No user data folder: neither XDG_DATA_HOME nor HOME is set");
  return std::filesystem::path(home) / ".local" / "share";
}

std::string MimePackageText() {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  for (const TFileType& t : kFileTypes) {
    text += "  <mime-type type=\"" + std::string(t.mimeType) + "\">\n";
    text += "    <comment>" + xmlEscape(platform::cp1252ToUtf8(t.description)) + "</comment>\n";
    text += "    <glob pattern=\"*" + std::string(t.extension) + "\"/>\n";
    text += "    <icon name=\"" + MimeIconName(t) + "\"/>\n";
    text += "  </mime-type>\n";
  }
  text += "</mime-info>\n";
  return text;
}

std::string DesktopEntryText(const std::string& editorPath) {
  std::string mimeTypes;
  for (const TFileType& t : kFileTypes) mimeTypes += std::string(t.mimeType) + ";";
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Editor de Tobbo Quest\n"
         "GenericName=Editar\n"
         "Exec=" + execArgument(editorPath) + " %f\n"
         "MimeType=" + mimeTypes + "\n"
         "Icon=" + kEditorIconName + "\n"
         "Terminal=false\n"
         "NoDisplay=true\n";
}

TRegisteredFiles WriteFileTypeRegistration(const std::filesystem::path& dataHome, const std::string& editorPath,
                                           const std::filesystem::path& iconFolder) {
  TRegisteredFiles files{dataHome / "mime" / "packages" / "tobbostudio.xml",
                         dataHome / "applications" / "tobbostudio-hopzedit.desktop", {}};
  for (const auto& file : {files.mimePackage, files.desktopEntry}) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) throw platform::IniWriteError("Unable to write to " + file.string());
  }
  platform::writeFileAtomically(files.mimePackage, MimePackageText());
  platform::writeFileAtomically(files.desktopEntry, DesktopEntryText(editorPath));
  if (iconFolder.empty()) return files;
  // One folder per size in the program's icons, as in the theme.
  std::error_code ec;
  const std::filesystem::path theme = dataHome / "icons" / "hicolor";
  for (const auto& entry : std::filesystem::directory_iterator(iconFolder, ec)) {
    if (!entry.is_directory(ec)) continue;
    const std::filesystem::path size = entry.path().filename();
    for (const TFileType& t : kFileTypes)
      installIcon(iconFolder, theme, size / "mimetypes" / (MimeIconName(t) + ".png"), files.icons);
    installIcon(iconFolder, theme, size / "apps" / (std::string(kEditorIconName) + ".png"), files.icons);
  }
  return files;
}

std::vector<std::string> AnnounceFileTypes(const std::filesystem::path& dataHome) {
  std::vector<std::string> failed;
  const std::pair<const char*, std::filesystem::path> tools[] = {{"update-mime-database", dataHome / "mime"},
                                                                 {"update-desktop-database", dataHome / "applications"}};
  for (const auto& [tool, folder] : tools)
    if (!platform::runSystemTool(tool, {folder.string()})) failed.emplace_back(tool);
  return failed;
}

std::string FileTypesFailureText(const std::string& dataHome) {
  return "No se pudieron asociar los tipos de archivo: no se puede escribir en la carpeta \"" + dataHome + "\".";
}

std::string FileTypesUnannouncedText(const std::string& dataHome, const std::vector<std::string>& failedTools) {
  std::string tools;
  for (const std::string& tool : failedTools) tools += (tools.empty() ? "" : ", ") + tool;
  return "Los tipos de archivo quedaron registrados en \"" + dataHome +
         "\", pero el escritorio todav\xED" "a no los conoce: no se pudo actualizar su base de datos (" + tools +
         "). Los reconocer\xE1 cuando se actualice.";
}
