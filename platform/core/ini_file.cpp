#include "platform/core/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/paths.h"

namespace platform {
namespace fs = std::filesystem;

namespace {

constexpr size_t npos = std::string::npos;

std::string trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}


bool parseInteger(const std::string& text, int& out) {
  std::string s = trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int base = 10;
  if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < s.size() && s[i] == '$') {
    base = 16;
    i += 1;
  }
  if (i >= s.size()) return false;
  long long value = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    int digit = c >= '0' && c <= '9' ? c - '0'
                : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
                : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10
                : -1;
    if (digit < 0) return false;
    value = value * base + digit;
    if (value > 0xFFFFFFFFLL) return false;
  }
  if (negative) value = -value;
  // Hexadecimal may spell the full 32-bit pattern (0xFFFFFFFF is -1).
  if (base == 16 && value > INT_MAX) value -= 0x100000000LL;
  if (value < INT_MIN || value > INT_MAX) return false;
  out = int(value);
  return true;
}

}  // namespace

IniFile::IniFile(fs::path path) : path_(std::move(path)) { reload(); }

void IniFile::reload() {
  sections_.assign(1, Section{});
  sectionIndex_.clear();
  modified_ = false;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::ostringstream content;
  content << in.rdbuf();
  loadFromText(content.str());
  modified_ = false;
}

void IniFile::loadFromText(std::string_view text) {
  std::vector<Line> parsed;
  parsed.reserve(size_t(std::count(text.begin(), text.end(), '\n')) + 1);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    parsed.push_back(parseLine(std::string(line)));
    start = end + 1;
  }
  // Each section's lines and index are sized once: a large section is not regrown line by line.
  sections_.assign(1, Section{});
  size_t i = 0;
  while (true) {
    Section& section = sections_.back();
    size_t end = i;
    while (end < parsed.size() && !parsed[end].isSection) ++end;
    section.body.reserve(end - i);
    section.keys.reserve(end - i);
    for (; i < end; ++i) {
      if (parsed[i].isKey) section.keys.emplace(parsed[i].name, section.body.size());
      section.body.push_back(std::move(parsed[i]));
    }
    if (i == parsed.size()) break;
    sections_.emplace_back();
    sections_.back().hasHeader = true;
    sections_.back().header = std::move(parsed[i++]);
  }
  indexSections();
  modified_ = true;
}

IniFile::Line IniFile::parseLine(std::string text) {
  Line line;
  line.text = std::move(text);
  std::string t = trim(line.text);
  if (!t.empty() && t.front() == '[') {
    size_t close = t.find(']');
    line.isSection = true;
    line.name = trim(t.substr(1, close == npos ? npos : close - 1));
  } else if (!t.empty() && t.front() != ';') {
    size_t eq = t.find('=');
    if (eq != npos) {
      line.isKey = true;
      line.name = trim(t.substr(0, eq));
      line.value = trim(t.substr(eq + 1));
    }
  }
  return line;
}

std::string IniFile::toText() const {
  std::string out;
  auto add = [&out](const Line& line) {
    out += line.text;
    out += "\r\n";
  };
  for (const Section& section : sections_) {
    if (section.hasHeader) add(section.header);
    for (const Line& line : section.body) add(line);
  }
  return out;
}

namespace {

// The file that a path names at the end of its symbolic links: a write through
// a link changes the linked file and leaves the link.
fs::path linkedFile(const fs::path& path, const std::string& failure) {
  constexpr int kMostLinks = 40;  // as the system follows them; more is a loop
  fs::path file = path;
  for (int links = 0;; ++links) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(file, ec))) return file;
    const fs::path target = fs::read_symlink(file, ec);
    if (ec || links == kMostLinks) throw IniWriteError(failure);
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
}

// Gives a new file the owner and group of the one it replaces, as far as this
// user may: root gives both; a member of the file's group keeps the group.
void keepOwner(int fd, const struct stat& old) {
  if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) return;
  if (::fchown(fd, old.st_uid, old.st_gid) == 0) return;
  if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0) return;
  // Otherwise the file is this user's, as any file they make.
}

}  // namespace

void writeFileAtomically(const fs::path& path, std::string_view bytes) {
  const std::string failure = "Unable to write to " + path.string();
  const fs::path file = linkedFile(path, failure);
  struct stat old {};
  const bool replacing = ::stat(file.c_str(), &old) == 0;
  // A file this user may not write is refused: the rename would replace it
  // all the same, with a writable copy.
  if (replacing && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) throw IniWriteError(failure);
  fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  std::random_device rd;
  fs::path temp = folder / ("." + file.filename().string() + "." + std::to_string(rd()) + ".tmp");
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw IniWriteError(failure);
  bool ok = true;
  if (replacing) {
    // The new file is the old one to whoever reads it, before it holds a byte.
    keepOwner(fileno(f), old);
    ok = ::fchmod(fileno(f), old.st_mode & 07777) == 0;
  }
  ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = fsync(fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  std::error_code ec;
  if (ok) fs::rename(temp, file, ec);
  if (!ok || ec) {
    fs::remove(temp, ec);
    throw IniWriteError(failure);
  }
}

void IniFile::save() const { writeFileAtomically(path_, toText()); }

void IniFile::saveAs(const fs::path& path) {
  path_ = path;
  save();
  modified_ = false;
}

size_t IniFile::NameHash::operator()(std::string_view name) const noexcept {
  size_t h = 14695981039346656037ull;
  for (char c : name) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  return h;
}

bool IniFile::NameEqual::operator()(std::string_view a, std::string_view b) const noexcept { return sameText(a, b); }

void IniFile::indexKeys(Section& section) {
  section.keys.clear();
  for (size_t i = 0; i < section.body.size(); ++i)
    if (section.body[i].isKey) section.keys.emplace(section.body[i].name, i);
}

void IniFile::indexSections() {
  sectionIndex_.clear();
  for (size_t i = 1; i < sections_.size(); ++i) sectionIndex_.emplace(sections_[i].header.name, i);
}

size_t IniFile::findSection(std::string_view section) const {
  auto it = sectionIndex_.find(section);
  return it == sectionIndex_.end() ? npos : it->second;
}

size_t IniFile::findKey(const Section& section, std::string_view key) {
  auto it = section.keys.find(key);
  return it == section.keys.end() ? npos : it->second;
}

const IniFile::Line* IniFile::findKeyLine(std::string_view section, std::string_view key) const {
  size_t s = findSection(section);
  if (s == npos) return nullptr;
  size_t k = findKey(sections_[s], key);
  return k == npos ? nullptr : &sections_[s].body[k];
}

void IniFile::insertLine(size_t s, size_t pos, Line line) {
  Section& section = sections_[s];
  if (!line.isSection) {
    if (line.isKey) section.keys.emplace(line.name, pos);
    section.body.insert(section.body.begin() + long(pos), std::move(line));
    return;
  }
  Section tail;
  tail.hasHeader = true;
  tail.header = std::move(line);
  tail.body.assign(std::make_move_iterator(section.body.begin() + long(pos)), std::make_move_iterator(section.body.end()));
  section.body.erase(section.body.begin() + long(pos), section.body.end());
  indexKeys(section);
  indexKeys(tail);
  sections_.insert(sections_.begin() + long(s + 1), std::move(tail));
  indexSections();
}

bool IniFile::sectionExists(std::string_view section) const { return findSection(section) != npos; }

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
  return findKeyLine(section, key) != nullptr;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
  const Line* line = findKeyLine(section, key);
  return line ? profileValue(line->value) : std::string(def);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
  const Line* line = findKeyLine(section, key);
  int value = def;
  if (!line || !parseInteger(profileValue(line->value), value)) return def;
  return value;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
  return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  modified_ = true;
  Line line = parseLine(std::string(key) + "=" + std::string(value));
  size_t s = findSection(section);
  if (s == npos) {
    sections_.emplace_back();
    sections_.back().hasHeader = true;
    sections_.back().header = parseLine("[" + std::string(section) + "]");
    sectionIndex_.emplace(sections_.back().header.name, sections_.size() - 1);
    insertLine(sections_.size() - 1, 0, std::move(line));
    return;
  }
  Section& target = sections_[s];
  size_t existing = findKey(target, key);
  if (existing != npos) {
    // The index keeps its entry: the new line's name differs at most in case.
    target.body[existing] = std::move(line);
    return;
  }
  // After the section's last non-blank line, so blank separators stay before the next section.
  size_t pos = target.body.size();
  while (pos > 0 && trim(target.body[pos - 1].text).empty()) --pos;
  insertLine(s, pos, std::move(line));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

// Lines after the deleted one move up, and a later duplicate becomes the key's
// first line: the section's index is built again.
void IniFile::deleteKey(std::string_view section, std::string_view key) {
  size_t s = findSection(section);
  if (s == npos) return;
  Section& target = sections_[s];
  size_t i = findKey(target, key);
  if (i == npos) return;
  target.body.erase(target.body.begin() + long(i));
  indexKeys(target);
  modified_ = true;
}

// A later section of the same name, if any, becomes the one that name finds.
void IniFile::eraseSection(std::string_view section) {
  size_t s = findSection(section);
  if (s == npos) return;
  sections_.erase(sections_.begin() + long(s));
  indexSections();
  modified_ = true;
}

std::vector<std::string> IniFile::readSection(std::string_view section) const {
  std::vector<std::string> keys;
  size_t s = findSection(section);
  if (s == npos) return keys;
  for (const Line& line : sections_[s].body)
    if (line.isKey) keys.push_back(line.name);
  return keys;
}

std::vector<std::string> IniFile::readSections() const {
  std::vector<std::string> names;
  for (size_t i = 1; i < sections_.size(); ++i) names.push_back(sections_[i].header.name);
  return names;
}

std::vector<std::string> IniFile::readSectionValues(std::string_view section) const {
  std::vector<std::string> values;
  size_t s = findSection(section);
  if (s == npos) return values;
  for (const Line& line : sections_[s].body)
    if (line.isKey) values.push_back(line.name + "=" + line.value);
  return values;
}

std::vector<std::pair<std::string, std::string>> IniFile::readSectionEntries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  size_t s = findSection(section);
  if (s == npos) return entries;
  const Section& found = sections_[s];
  for (const Line& line : found.body)
    if (line.isKey) entries.emplace_back(line.name, profileValue(found.body[findKey(found, line.name)].value));
  return entries;
}

std::vector<IniFile::SectionLine> IniFile::readSectionLines(std::string_view section) const {
  std::vector<SectionLine> lines;
  size_t s = findSection(section);
  if (s == npos) return lines;
  lines.reserve(sections_[s].body.size());
  for (const Line& line : sections_[s].body)
    lines.push_back({line.text, line.isKey, line.name, line.isKey ? profileValue(line.value) : line.value});
  return lines;
}

std::string profileValue(std::string_view stored) {
  if (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') && stored.back() == stored.front())
    stored = stored.substr(1, stored.size() - 2);
  return std::string(stored);
}

bool existsButUnreadable(const fs::path& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return false;
  if (fs::is_directory(path, ec)) return true;
  return !std::ifstream(path, std::ios::binary);
}

void writeKeysIntoFileOnDisk(const fs::path& path, const std::function<void(IniFile&)>& writes) {
  // A file that is there but cannot be read would lose every other key.
  if (existsButUnreadable(path)) throw IniReadError("Unable to read " + path.string());
  IniFile onDisk(path);
  writes(onDisk);
  onDisk.save();
}

}  // namespace platform
