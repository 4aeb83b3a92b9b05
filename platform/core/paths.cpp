#include "platform/core/paths.h"

#include <system_error>
#include <vector>

#include "platform/core/text_encoding.h"

namespace platform {
namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::string& folderOverride() {
  static std::string folder;
  return folder;
}

std::string withTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// Stored paths are Windows-1252 text, as the files hold them, while the
// disk's names are UTF-8. A component that is not UTF-8 already (a path that
// was resolved before is) stands for its UTF-8 form.
std::string diskName(const std::string& name) { return isUtf8(name) ? name : cp1252ToUtf8(name); }

// The entry of dir whose name matches name case-insensitively; exact names first.
std::optional<fs::path> findEntry(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  fs::path exact = dir / name;
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) return std::nullopt;
  for (const auto& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (sameText(candidate, name)) return dir / candidate;
  }
  return std::nullopt;
}

}  // namespace

fs::path programFolder() {
  if (!folderOverride().empty()) return folderOverride();
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return withTrailingSlash(fs::current_path(ec).string());
  return withTrailingSlash(exe.parent_path().string());
}

void setProgramFolder(std::string folder) {
  folderOverride() = folder.empty() ? std::string() : withTrailingSlash(std::move(folder));
}

namespace {

// A stored path on the disk; with findCase each component missing as written is
// the entry that matches it case-insensitively, as long as there is one.
fs::path diskPath(std::string_view stored, const fs::path& base, bool findCase) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : stored) {
    if (isSeparator(c)) {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(current);

  bool absolute = !stored.empty() && isSeparator(stored.front());
  fs::path result = absolute ? fs::path("/") : base;
  bool found = findCase;
  for (const std::string& stored : parts) {
    const std::string part = diskName(stored);
    if (part == ".") continue;
    if (part == "..") {
      // A folder written with its trailing '/' (the program folder) names no
      // last component for ".." to take away.
      if (!result.empty() && !result.has_filename()) result = result.parent_path();
      if (result.empty() || result.filename() == "..")
        result /= "..";
      else
        result = result.parent_path();
      continue;
    }
    if (found) {
      if (auto entry = findEntry(result, part)) {
        result = *entry;
        continue;
      }
      found = false;
    }
    result /= part;
  }
  return result;
}

}  // namespace

fs::path resolvePath(std::string_view stored, const fs::path& base) { return diskPath(stored, base, true); }

fs::path writePath(std::string_view stored, const fs::path& base) { return diskPath(stored, base, false); }

bool fileExists(std::string_view stored, const fs::path& base) {
  if (stored.empty()) return false;
  std::error_code ec;
  return fs::is_regular_file(resolvePath(stored, base), ec);
}

bool directoryExists(std::string_view stored, const fs::path& base) {
  if (stored.empty()) return false;
  std::error_code ec;
  return fs::is_directory(resolvePath(stored, base), ec);
}

std::string extractFileName(std::string_view path) {
  size_t pos = path.find_last_of("\\/");
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string extractFilePath(std::string_view path) {
  size_t pos = path.find_last_of("\\/");
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string extractFileExt(std::string_view path) {
  size_t pos = path.find_last_of(".\\/");
  if (pos == std::string_view::npos || path[pos] != '.') return {};
  return std::string(path.substr(pos));
}

std::string changeFileExt(std::string_view path, std::string_view ext) {
  size_t pos = path.find_last_of(".\\/");
  std::string_view stem = (pos != std::string_view::npos && path[pos] == '.') ? path.substr(0, pos) : path;
  return std::string(stem) + std::string(ext);
}

std::string toStoredPath(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}

std::string pathText(const fs::path& path) {
  const std::string& name = path.native();
  return isUtf8(name) ? utf8ToCp1252(name) : name;
}

std::string UnstorableLinkText(const EUnstorableLink& e) {
  return "No se puede guardar el v\xEDnculo a \"" + pathText(e.File) +
         "\": su nombre tiene letras que un archivo del juego no puede escribir (s\xF3lo admite las de "
         "Windows-1252). Elija un archivo cuyo nombre y carpetas s\xF3lo tengan esas letras.";
}

std::string storedLink(const fs::path& file, const fs::path& base) {
  std::string p = file.native(), b = base.native();
  if (!b.empty() && b.back() != '/') b += '/';
  const bool under = p.size() > b.size() && sameText(std::string_view(p).substr(0, b.size()), b);
  const std::string link = under ? toStoredPath(p.substr(b.size())) : p;
  // Component by component, as resolvePath reads them back: a UTF-8 name is the
  // disk's and becomes Windows-1252, any other is that text already.
  std::string text, part;
  for (size_t i = 0; i <= link.size(); ++i) {
    if (i < link.size() && !isSeparator(link[i])) {
      part += link[i];
      continue;
    }
    if (isUtf8(part)) {
      const std::string stored = utf8ToCp1252(part);
      if (cp1252ToUtf8(stored) != part) throw EUnstorableLink(file);
      part = stored;
    }
    text += part;
    if (i < link.size()) text += link[i];
    part.clear();
  }
  return text;
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

bool sameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace platform
