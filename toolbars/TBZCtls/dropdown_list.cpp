#include "toolbars/TBZCtls/dropdown_list.h"

#include <QMenu>
#include <algorithm>
#include <map>

namespace tbz {
namespace {

struct HintState {
  QString hint;
  std::map<int, ApplicationHint::Listener> listeners;
  int nextId = 1;
};
HintState& hintState() {
  static HintState s;
  return s;
}

}  // namespace

QString ApplicationHint::Hint() { return hintState().hint; }

void ApplicationHint::SetHint(const QString& hint) {
  HintState& s = hintState();
  if (hint == s.hint) return;
  s.hint = hint;
  const auto listeners = s.listeners;  // a listener may remove itself
  for (const auto& [id, listener] : listeners)
    if (listener) listener(hint);
}

int ApplicationHint::AddListener(Listener listener) {
  HintState& s = hintState();
  s.listeners.emplace(s.nextId, std::move(listener));
  return s.nextId++;
}

void ApplicationHint::RemoveListener(int id) { hintState().listeners.erase(id); }

TDropdownList& TDropdownList::Instance() {
  static TDropdownList list;
  return list;
}

TDropdownList::~TDropdownList() { router_.reset(); }

void TDropdownList::pruneDestroyed(QObject* gone) {
  auto dead = [gone](const QPointer<QObject>& m) { return m.isNull() || m.data() == gone; };
  menus_.erase(std::remove_if(menus_.begin(), menus_.end(), dead), menus_.end());
  routed_.erase(std::remove_if(routed_.begin(), routed_.end(), dead), routed_.end());
  if (menus_.empty()) {
    router_.reset();
    routed_.clear();
  }
}

bool TDropdownList::Contains(const QMenu* menu) const {
  return menu && std::any_of(menus_.begin(), menus_.end(), [menu](const QPointer<QObject>& m) { return m == menu; });
}

void TDropdownList::AddMenu(QMenu* menu) {
  if (!menu || Contains(menu)) return;
  if (!router_) router_ = std::make_unique<QObject>();
  menus_.emplace_back(menu);
  route(menu);
  QObject::connect(menu, &QObject::destroyed, router_.get(), [this](QObject* gone) { pruneDestroyed(gone); });
  QObject::connect(menu, &QMenu::aboutToHide, router_.get(), [] { ApplicationHint::SetHint(QString()); });
}

// The hovered item's status tip becomes the application hint, in the menu and in
// every sub-menu it shows; sub-menus added later are picked up when it opens.
void TDropdownList::route(QMenu* menu) {
  routed_.emplace_back(menu);
  QObject::connect(menu, &QMenu::hovered, router_.get(),
                   [](QAction* action) { ApplicationHint::SetHint(action ? action->statusTip() : QString()); });
  QObject::connect(menu, &QMenu::aboutToShow, router_.get(), [this, menu = QPointer<QMenu>(menu)] {
    if (!menu || !router_) return;
    for (QAction* action : menu->actions())
      if (QMenu* sub = action->menu(); sub && std::find(routed_.begin(), routed_.end(), sub) == routed_.end())
        route(sub);
  });
}

}  // namespace tbz
