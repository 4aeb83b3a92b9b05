#pragma once
// The file list of a resource selector: the files of one folder matching a mask,
// each shown by its name up to the first point, with the chosen one kept in
// SelectedFile. No Qt: the dialogs show it and tests drive it. The folder is a
// stored link ("bg\\", Windows-1252) found in the program folder on every Show;
// item paths and SelectedFile are the disk's names.
#include <functional>
#include <string>
#include <vector>

struct TSelectorItem {
  std::string Caption;  // the file name up to its first ".", as the disk names it
  std::string Path;     // the disk's name
};

// How the paths of listed files are written: the folder as found followed by
// the name (backgrounds), or the fully expanded path (libraries and music).
enum class TSelectorPaths { FolderPlusName, Expanded };

// The list view styles, as the toolbar buttons' tags give them.
enum TSelectorViewStyle { vsIcon = 0, vsSmallIcon = 1, vsList = 2, vsReport = 3 };

class TResourceSelectorModel {
 public:
  TResourceSelectorModel(std::string folder, std::string mask, TSelectorPaths paths);

  std::string SelectedFile;  // set before Show, read after Accept
  int ViewStyle = vsList;
  // After every change of the selected item (not while the list is filled).
  std::function<void(TResourceSelectorModel& Sender)> OnSelectionChange;

  const std::string& Folder() const { return folder_; }
  void SetFolder(std::string folder) { folder_ = std::move(folder); }
  const std::vector<TSelectorItem>& Items() const { return items_; }
  int SelectedIndex() const { return selected_; }
  const TSelectorItem* Selected() const;
  std::string SelectedPath() const { return Selected() ? Selected()->Path : std::string(); }

  // Fills the list from the folder and selects SelectedFile's item (adding one
  // for it when the folder lacks it), else the first item.
  void Show();
  // Selects index (-1 for none); an index outside the list selects nothing.
  void Select(int index);
  // A file chosen by browsing: its item is selected, added first when missing.
  void Browse(const std::string& chosen);
  // SelectedFile := the selected path. With nothing selected SelectedFile is
  // left alone and the answer is false (the dialog stays open).
  bool Accept();
  // The item whose path is path (case-insensitively; expanded first unless the
  // paths are folder plus name), or -1.
  int FindItem(const std::string& path) const;

  // The caption of a path: its file name up to the first ".".
  static std::string CaptionOf(const std::string& path);
  // A path made absolute (relative paths are taken from the program folder),
  // with '/' separators, each component found case-insensitively.
  static std::string ExpandPath(const std::string& path);
  // A "*.ext"-style mask matched against a file name as Windows does
  // (case-insensitive, '*' any run, '?' one character).
  static bool MatchesMask(const std::string& name, const std::string& mask);

 private:
  std::string itemPath(const std::string& path) const;
  int addItem(const std::string& path);

  std::string folder_;
  std::string mask_;
  TSelectorPaths paths_;
  std::vector<TSelectorItem> items_;
  int selected_ = -1;
  bool filling_ = false;
};

// The folder of the music selector for the level properties dialog's mode:
// 1 a new world map, 0 a new level, 10 the properties of the active document.
std::string MidiSelectorFolder(int propertiesMode, bool activeDocumentIsWorld);
