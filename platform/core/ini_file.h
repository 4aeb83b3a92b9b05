#pragma once
// Windows profile (INI) files: case-insensitive sections and keys, the first of
// duplicates wins, missing things read as the caller's default. The whole file is
// held in memory in its own line order; `save` writes it back through a temporary
// file that is renamed over the old one.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class IniFile {
 public:
  IniFile() = default;
  // Reads the file when it exists; a missing or unreadable file is an empty one.
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }
  // Reads the file again, dropping unsaved changes.
  void reload();
  // Parses text (CR LF or LF lines) in place of the file's content.
  void loadFromText(std::string_view text);
  // The file's content as it would be saved: CR LF lines.
  std::string toText() const;
  // Writes through a temporary file in the same folder renamed over the old one;
  // on failure the old file is untouched and IniWriteError says "Unable to write to <path>".
  void save() const;
  void saveAs(const std::filesystem::path& path);

  bool sectionExists(std::string_view section) const;
  bool valueExists(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal or 0x hexadecimal; anything else, or out of range, gives def.
  int readInteger(std::string_view section, std::string_view key, int def) const;
  // "not 0"
  bool readBool(std::string_view section, std::string_view key, bool def) const;

  // Replaces the first line of the key in place, or appends it at the end of its
  // section; a missing section is appended at the end of the file.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);
  void writeBool(std::string_view section, std::string_view key, bool value);  // 1 and 0
  void deleteKey(std::string_view section, std::string_view key);
  // Removes the section's header and all its lines.
  void eraseSection(std::string_view section);

  // Key names of a section in file order (duplicates included).
  std::vector<std::string> readSection(std::string_view section) const;
  // Section names in file order.
  std::vector<std::string> readSections() const;
  // "key=value" lines of a section in file order.
  std::vector<std::string> readSectionValues(std::string_view section) const;

  bool modified() const { return modified_; }

 private:
  struct Line {
    std::string text;     // the raw line as read or written
    bool isSection = false;
    std::string name;     // section name, or key name of a key line (trimmed)
    std::string value;    // value of a key line (trimmed, after the first '=')
    bool isKey = false;
  };
  static Line parseLine(std::string text);
  // Index of the section header line, or npos.
  size_t findSection(std::string_view section) const;
  // End (exclusive) of the section that starts at header index h.
  size_t sectionEnd(size_t h) const;
  size_t findKey(size_t header, std::string_view key) const;

  std::filesystem::path path_;
  std::vector<Line> lines_;
  bool modified_ = false;
};

// Windows' atomic replacement of a whole file: write a temporary file beside it,
// then rename it over the old one. Throws IniWriteError on failure.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Writes a few keys into the file as it is on disk now, not as it was read:
// another program may have changed its other keys since. Reads the file afresh,
// applies `writes` to it and saves it atomically (IniWriteError on failure).
void writeKeysIntoFileOnDisk(const std::filesystem::path& path, const std::function<void(IniFile&)>& writes);

}  // namespace platform
