#pragma once
// The drop-down menus of all toolbar buttons and the application's hint text.
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QObject;

namespace tbz {

// The hint of whatever the mouse is over; a status bar shows it by listening.
class ApplicationHint {
 public:
  using Listener = std::function<void(const QString& hint)>;
  static QString Hint();
  // Tells every listener when the text changes.
  static void SetHint(const QString& hint);
  static int AddListener(Listener listener);
  static void RemoveListener(int id);
};

// The menus buttons drop down, held by weak references: a destroyed menu leaves
// the list. While the list is not empty a hidden router object exists that shows
// the hovered item's status tip as the application hint and clears the hint when
// no item is hovered any more.
class TDropdownList {
 public:
  // The list, created with the first registered menu.
  static TDropdownList& Instance();
  ~TDropdownList();

  void AddMenu(QMenu* menu);
  bool Contains(const QMenu* menu) const;
  int Count() const { return int(menus_.size()); }
  bool RouterExists() const { return router_ != nullptr; }

 private:
  TDropdownList() = default;
  void route(QMenu* menu);
  void pruneDestroyed(QObject* gone);

  std::vector<QPointer<QObject>> menus_;
  std::vector<QPointer<QObject>> routed_;  // the menus and sub-menus connected to the router
  std::unique_ptr<QObject> router_;
};

}  // namespace tbz
