#pragma once
// Registering the editor's three file types with the desktop: a shared-mime-info
// package naming the types by their extensions, and a desktop entry that opens
// them in the editor. Both go under the user's data folder, never system-wide.
#include <filesystem>
#include <string>
#include <vector>

struct TFileType {
  const char* extension;  // ".tqg"
  const char* typeName;   // the type's name in the registration
  const char* mimeType;
  const char* description;  // Windows-1252
};

// Game, world map, level.
const TFileType (&FileTypes())[3];

// XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; throws
// std::runtime_error when neither can be found.
std::filesystem::path UserDataHome();

// The icon-theme name of a file type's icon ("application-x-tobbostudio-level")
// and of the editor's own.
std::string MimeIconName(const TFileType& type);
inline constexpr const char* kEditorIconName = "tobbostudio-hopzedit";

std::string MimePackageText();
// editorPath is the editor's full executable path (UTF-8).
std::string DesktopEntryText(const std::string& editorPath);

struct TRegisteredFiles {
  std::filesystem::path mimePackage;   // <dataHome>/mime/packages/tobbostudio.xml
  std::filesystem::path desktopEntry;  // <dataHome>/applications/tobbostudio-hopzedit.desktop
  std::vector<std::filesystem::path> icons;  // under <dataHome>/icons/hicolor
};

// Creates the folders where missing and writes (or replaces) both files, and
// copies the type and editor icons found in iconFolder (laid out as an icon
// theme, <size>x<size>/mimetypes|apps/<name>.png) into the user's hicolor
// theme; an icon missing there is left out. Throws platform::IniWriteError
// when a file cannot be written.
TRegisteredFiles WriteFileTypeRegistration(const std::filesystem::path& dataHome, const std::string& editorPath,
                                           const std::filesystem::path& iconFolder = {});
// What the author reads when that registration could not be written under dataHome.
std::string FileTypesFailureText(const std::string& dataHome);
// ... and when it was written but the desktop's databases could not be rebuilt
// by the tools named.
std::string FileTypesUnannouncedText(const std::string& dataHome, const std::vector<std::string>& failedTools);

// Tells the desktop about what was written under dataHome: rebuilds the user's
// MIME database (update-mime-database) and the cache of which desktop entry
// opens which type (update-desktop-database). Answers the tools that are not
// installed or failed; until those databases are rebuilt the desktop does not
// know the types.
std::vector<std::string> AnnounceFileTypes(const std::filesystem::path& dataHome);
