#pragma once
// Paths as the programs store them (Windows style, '\' separators) and as this
// system finds them (each component matched case-insensitively).
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The folder of the running executable, with a trailing '/', as the disk names
// it (not stored text: resolvePath finds a stored link in it). Tests may point it
// elsewhere.
std::filesystem::path programFolder();
void setProgramFolder(std::string folder);

// Resolves a stored path: '\' and '/' both separate; a path starting with '/' is
// absolute, anything else is relative to base; each component is found
// case-insensitively when the exact name is missing. Without a match the result is
// the path as written (with '/' separators), so that creating a new file works.
std::filesystem::path resolvePath(std::string_view stored, const std::filesystem::path& base = {});
// The file a write of a path makes or replaces: the path as written, in the
// disk's form, with no component matched by case. The case-insensitive match is
// for reading the names that files store; a write goes to the name the user
// chose, never over a file whose name only looks like it.
std::filesystem::path writePath(std::string_view stored, const std::filesystem::path& base = {});
// True only for an existing regular file (a folder is not a file).
bool fileExists(std::string_view stored, const std::filesystem::path& base = {});
bool directoryExists(std::string_view stored, const std::filesystem::path& base = {});

// String helpers in the Windows manner; both separators count.
std::string extractFileName(std::string_view path);  // after the last separator
std::string extractFilePath(std::string_view path);  // up to and with the last separator
std::string extractFileExt(std::string_view path);   // ".ext" of the file name, or ""
std::string changeFileExt(std::string_view path, std::string_view ext);
std::string toStoredPath(std::string_view path);     // '/' becomes '\'

// A disk name as the programs' 8-bit text, for a message or a caption; letters
// Windows-1252 cannot show become '?' there (the name itself is not changed).
std::string pathText(const std::filesystem::path& path);

// A file whose link a document cannot store: a letter of its name has no
// Windows-1252 form, and a file holds text in that coding only.
class EUnstorableLink : public std::runtime_error {
 public:
  explicit EUnstorableLink(std::filesystem::path file)
      : std::runtime_error("No Windows-1252 form for " + file.string()), File(std::move(file)) {}
  std::filesystem::path File;
};
// The Spanish text of the box that says so (Windows-1252).
std::string UnstorableLinkText(const EUnstorableLink& e);

// The link a file stores for a file chosen on the disk: relative to base with
// '\' separators when the file is under base (names compared as on the disk,
// ASCII case ignored), else the whole path as given; Windows-1252 text. A
// component that is not UTF-8 is taken for that text already, as resolvePath
// takes it. Throws EUnstorableLink when it cannot be written in that coding.
std::string storedLink(const std::filesystem::path& file, const std::filesystem::path& base);

std::string lowerCase(std::string_view text);  // ASCII letters only, as the file keys need
bool sameText(std::string_view a, std::string_view b);  // ASCII case-insensitive

}  // namespace platform
