#pragma once
// Registering the editor's three file types with the desktop: a shared-mime-info
// package naming the types by their extensions, and a desktop entry that opens
// them in the editor. Both go under the user's data folder, never system-wide.
#include <filesystem>
#include <string>

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

std::string MimePackageText();
// editorPath is the editor's full executable path (UTF-8).
std::string DesktopEntryText(const std::string& editorPath);

struct TRegisteredFiles {
  std::filesystem::path mimePackage;   // <dataHome>/mime/packages/tobbostudio.xml
  std::filesystem::path desktopEntry;  // <dataHome>/applications/tobbostudio-hopzedit.desktop
};

// Creates the folders where missing and writes (or replaces) both files.
// Throws platform::IniWriteError when a file cannot be written.
TRegisteredFiles WriteFileTypeRegistration(const std::filesystem::path& dataHome, const std::string& editorPath);
