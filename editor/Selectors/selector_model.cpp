#include "editor/Selectors/selector_model.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/core/paths.h"

namespace fs = std::filesystem;

TResourceSelectorModel::TResourceSelectorModel(std::string folder, std::string mask,
                                               TSelectorPaths paths)
    : folder_(std::move(folder)), mask_(std::move(mask)), paths_(paths) {}

const TSelectorItem* TResourceSelectorModel::Selected() const {
  return selected_ >= 0 && selected_ < int(items_.size()) ? &items_[size_t(selected_)] : nullptr;
}

std::string TResourceSelectorModel::CaptionOf(const std::string& path) {
  const std::string name = platform::extractFileName(path);
  return name.substr(0, name.find('.'));
}

std::string TResourceSelectorModel::ExpandPath(const std::string& path) {
  if (path.empty()) return {};
  return platform::resolvePath(path, platform::programFolder()).lexically_normal().string();
}

bool TResourceSelectorModel::MatchesMask(const std::string& name, const std::string& mask) {
  // Iterative wildcard match with one back-tracking point for the last '*'.
  size_t n = 0, m = 0, starM = std::string::npos, starN = 0;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  auto same = [&](char a, char b) { return lower(a) == lower(b); };
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && same(mask[m], name[n])))) {
      ++n, ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starM = m++;
      starN = n;
    } else if (starM != std::string::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

std::string TResourceSelectorModel::itemPath(const std::string& path) const {
  return paths_ == TSelectorPaths::Expanded ? ExpandPath(path) : path;
}

int TResourceSelectorModel::FindItem(const std::string& path) const {
  const std::string wanted = itemPath(path);
  for (size_t i = 0; i < items_.size(); ++i)
    if (platform::sameText(itemPath(items_[i].Path), wanted)) return int(i);
  return -1;
}

int TResourceSelectorModel::addItem(const std::string& path) {
  items_.push_back({CaptionOf(path), path});
  return int(items_.size()) - 1;
}

void TResourceSelectorModel::Select(int index) {
  const int next = index >= 0 && index < int(items_.size()) ? index : -1;
  if (next == selected_) return;
  selected_ = next;
  if (!filling_ && OnSelectionChange) OnSelectionChange(*this);
}

void TResourceSelectorModel::Show() {
  filling_ = true;
  items_.clear();
  selected_ = -1;
  std::vector<std::string> names;
  std::error_code ec;
  const fs::path folder = platform::resolvePath(folder_, platform::programFolder());
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = it->path().filename().string();
    if (MatchesMask(name, mask_)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return platform::lowerCase(a) < platform::lowerCase(b);
  });
  for (const std::string& name : names) {
    if (paths_ == TSelectorPaths::FolderPlusName)
      addItem((folder / name).string());
    else
      addItem((folder / name).lexically_normal().string());
  }
  int chosen = -1;
  if (!SelectedFile.empty()) {
    chosen = FindItem(SelectedFile);
    if (chosen < 0) chosen = addItem(itemPath(SelectedFile));
  }
  if (chosen < 0 && !items_.empty()) chosen = 0;
  filling_ = false;
  selected_ = -1;
  Select(chosen);
}

void TResourceSelectorModel::Browse(const std::string& chosen) {
  if (chosen.empty()) return;
  int index = FindItem(chosen);
  if (index < 0) index = addItem(itemPath(chosen));
  Select(index);
}

bool TResourceSelectorModel::Accept() {
  if (!Selected()) return false;
  SelectedFile = Selected()->Path;
  return true;
}

std::string MidiSelectorFolder(int propertiesMode, bool activeDocumentIsWorld) {
  const bool world = propertiesMode == 1 || (propertiesMode == 10 && activeDocumentIsWorld);
  return world ? "music\\map\\" : "music\\";
}
