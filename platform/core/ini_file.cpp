#include "platform/core/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
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

// Profile reads drop one pair of matching quotes around a value.
std::string unquote(const std::string& v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
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
  lines_.clear();
  modified_ = false;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::ostringstream content;
  content << in.rdbuf();
  loadFromText(content.str());
  modified_ = false;
}

void IniFile::loadFromText(std::string_view text) {
  lines_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.push_back(parseLine(std::string(line)));
    start = end + 1;
  }
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
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

void writeFileAtomically(const fs::path& path, std::string_view bytes) {
  const std::string failure = "Unable to write to " + path.string();
  fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  std::random_device rd;
  fs::path temp = folder / ("." + path.filename().string() + "." + std::to_string(rd()) + ".tmp");
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw IniWriteError(failure);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = fsync(fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  std::error_code ec;
  if (ok) fs::rename(temp, path, ec);
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

size_t IniFile::findSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].isSection && sameText(lines_[i].name, section)) return i;
  return npos;
}

size_t IniFile::sectionEnd(size_t h) const {
  size_t i = h + 1;
  while (i < lines_.size() && !lines_[i].isSection) ++i;
  return i;
}

size_t IniFile::findKey(size_t header, std::string_view key) const {
  if (header == npos) return npos;
  size_t end = sectionEnd(header);
  for (size_t i = header + 1; i < end; ++i)
    if (lines_[i].isKey && sameText(lines_[i].name, key)) return i;
  return npos;
}

bool IniFile::sectionExists(std::string_view section) const { return findSection(section) != npos; }

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
  return findKey(findSection(section), key) != npos;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
  size_t i = findKey(findSection(section), key);
  return i == npos ? std::string(def) : unquote(lines_[i].value);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
  size_t i = findKey(findSection(section), key);
  int value = def;
  if (i == npos || !parseInteger(unquote(lines_[i].value), value)) return def;
  return value;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
  return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  modified_ = true;
  Line line = parseLine(std::string(key) + "=" + std::string(value));
  size_t header = findSection(section);
  if (header == npos) {
    lines_.push_back(parseLine("[" + std::string(section) + "]"));
    lines_.push_back(std::move(line));
    return;
  }
  size_t existing = findKey(header, key);
  if (existing != npos) {
    lines_[existing] = std::move(line);
    return;
  }
  // After the section's last non-blank line, so blank separators stay before the next section.
  size_t pos = sectionEnd(header);
  while (pos > header + 1 && trim(lines_[pos - 1].text).empty()) --pos;
  lines_.insert(lines_.begin() + long(pos), std::move(line));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
  size_t i = findKey(findSection(section), key);
  if (i == npos) return;
  lines_.erase(lines_.begin() + long(i));
  modified_ = true;
}

void IniFile::eraseSection(std::string_view section) {
  size_t header = findSection(section);
  if (header == npos) return;
  lines_.erase(lines_.begin() + long(header), lines_.begin() + long(sectionEnd(header)));
  modified_ = true;
}

std::vector<std::string> IniFile::readSection(std::string_view section) const {
  std::vector<std::string> keys;
  size_t header = findSection(section);
  if (header == npos) return keys;
  size_t end = sectionEnd(header);
  for (size_t i = header + 1; i < end; ++i)
    if (lines_[i].isKey) keys.push_back(lines_[i].name);
  return keys;
}

std::vector<std::string> IniFile::readSections() const {
  std::vector<std::string> names;
  for (const Line& line : lines_)
    if (line.isSection) names.push_back(line.name);
  return names;
}

std::vector<std::string> IniFile::readSectionValues(std::string_view section) const {
  std::vector<std::string> values;
  size_t header = findSection(section);
  if (header == npos) return values;
  size_t end = sectionEnd(header);
  for (size_t i = header + 1; i < end; ++i)
    if (lines_[i].isKey) values.push_back(lines_[i].name + "=" + lines_[i].value);
  return values;
}

void writeKeysIntoFileOnDisk(const fs::path& path, const std::function<void(IniFile&)>& writes) {
  // A file that is there but cannot be read would lose every other key.
  std::error_code ec;
  if (fs::exists(path, ec) && !std::ifstream(path, std::ios::binary))
    throw IniWriteError("Unable to read " + path.string());
  IniFile onDisk(path);
  writes(onDisk);
  onDisk.save();
}

}  // namespace platform
