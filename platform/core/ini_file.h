#pragma once
// Windows profile (INI) files: case-insensitive sections and keys, the first of
// duplicates wins, missing things read as the caller's default. The whole file is
// held in memory in its own line order; `save` writes it back through a temporary
// file that is renamed over the old one. Each section keeps an index of its keys,
// so reading or writing one key costs the same however large its section is.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

class IniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A write refused because the file is there but cannot be read: written from
// nothing, it would lose what it holds.
class IniReadError : public IniWriteError {
 public:
  using IniWriteError::IniWriteError;
};

// A value as every read of a profile gives it: the stored text (trimmed) with
// one pair of matching quotes around it dropped.
std::string profileValue(std::string_view stored);

// True when path names something that exists but cannot be read as a file
// (no permission, a folder): it must not be taken for an empty file.
bool existsButUnreadable(const std::filesystem::path& path);

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
  // Each key line of a section in file order, with the value readString gives
  // for its key (the first of duplicates wins, one pair of quotes dropped): a
  // whole section in one pass.
  std::vector<std::pair<std::string, std::string>> readSectionEntries(std::string_view section) const;
  // Every line of a section in file order, comments and blank lines included:
  // its text as written and, for a key line, its key and the value readString
  // gives for that line.
  struct SectionLine {
    std::string text;
    bool isKey = false;
    std::string key, value;
  };
  std::vector<SectionLine> readSectionLines(std::string_view section) const;

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

  // Names compare ASCII case-insensitively; the indexes look up by string_view.
  struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const noexcept;
  };
  struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
  };
  // Name -> position of its first occurrence.
  using NameIndex = std::unordered_map<std::string, size_t, NameHash, NameEqual>;

  // A header and the lines up to the next header. The lines before the file's
  // first header form a section without one, which no name finds.
  struct Section {
    bool hasHeader = false;
    Line header;
    std::vector<Line> body;
    NameIndex keys;  // position in body of the first line of each key
  };
  static void indexKeys(Section& section);
  void indexSections();
  // Position in sections_ of the first section of that name, or npos.
  size_t findSection(std::string_view section) const;
  // Position in the section's body of the key's first line, or npos.
  static size_t findKey(const Section& section, std::string_view key);
  const Line* findKeyLine(std::string_view section, std::string_view key) const;
  // Puts a line at pos of a section's body, where only blank lines follow: no
  // key moves. A line that reads as a header splits the section there.
  void insertLine(size_t section, size_t pos, Line line);

  std::filesystem::path path_;
  std::vector<Section> sections_ = std::vector<Section>(1);  // file order; [0] has no header
  NameIndex sectionIndex_;             // first section of each name
  bool modified_ = false;
};

// Windows' atomic replacement of a whole file: write a temporary file beside it,
// then rename it over the old one. The file keeps what the file system holds of
// it: a file reached through symbolic links is the linked file (the links stay),
// and a file replaced keeps its mode and, where this user may give it, its
// owner. Throws IniWriteError on failure, and for a file there that this user
// may not write (which stays as it is).
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Writes a few keys into the file as it is on disk now, not as it was read:
// another program may have changed its other keys since. Reads the file afresh,
// applies `writes` to it and saves it atomically (IniWriteError on failure;
// IniReadError when the file is there but cannot be read).
void writeKeysIntoFileOnDisk(const std::filesystem::path& path, const std::function<void(IniFile&)>& writes);

}  // namespace platform
