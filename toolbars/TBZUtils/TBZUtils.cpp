#include "toolbars/TBZUtils/TBZUtils.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <memory>
#include <set>
#include <vector>

namespace tbz {
namespace {

struct ClientEntry {
  HookClient* client;
  int count;
  HookKinds kinds;
  bool designing;
};

constexpr HookKinds kSlotKinds[3] = {
    hookBit(HookKind::AppActivation) | hookBit(HookKind::WindowPosChanged),
    hookBit(HookKind::WindowDestroyed), hookBit(HookKind::MouseMoved)};

// One application event filter stands for the installed hooks; it forwards only
// the notices whose slot is in use.
class HookFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

struct HookState {
  std::vector<ClientEntry> clients;
  std::array<int, 3> useCount{};
  std::unique_ptr<HookFilter> filter;
  // Windows whose destruction the filter tells (Qt sends no event then).
  std::set<QObject*> watched;
};

HookState& state() {
  static HookState s;
  return s;
}

void watchDestruction(QWidget* window) {
  HookState& s = state();
  if (!s.filter || s.useCount[1] == 0 || !s.watched.insert(window).second) return;
  QObject::connect(window, &QObject::destroyed, s.filter.get(), [](QObject* gone) {
    state().watched.erase(gone);
    NotifyWindowDestroyed(gone);
  });
}

void updateFilter() {
  HookState& s = state();
  bool any = s.useCount[0] > 0 || s.useCount[1] > 0 || s.useCount[2] > 0;
  if (any && !s.filter && QCoreApplication::instance()) {
    s.filter = std::make_unique<HookFilter>();
    QCoreApplication::instance()->installEventFilter(s.filter.get());
  } else if (!any && s.filter) {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(s.filter.get());
    s.filter.reset();  // its watches go with it
    s.watched.clear();
  }
  // The windows there are now; later ones are watched when they show.
  if (s.useCount[1] > 0 && qobject_cast<QApplication*>(QCoreApplication::instance()))
    for (QWidget* w : QApplication::topLevelWidgets()) watchDestruction(w);
}

void dispatch(HookKind kind, QObject* window, QEvent* event) {
  HookState& s = state();
  // Clients may register or unregister while notified: walk a copy.
  std::vector<HookClient*> targets;
  for (const ClientEntry& e : s.clients)
    if (e.kinds & hookBit(kind)) targets.push_back(e.client);
  for (HookClient* c : targets) {
    bool stillThere = std::any_of(s.clients.begin(), s.clients.end(),
                                  [c](const ClientEntry& e) { return e.client == c; });
    if (!stillThere) continue;
    try {
      c->hookNotice(kind, window, event);
    } catch (...) {
      // A failing client must not stop the notice reaching the others.
    }
  }
}

bool HookFilter::eventFilter(QObject* watched, QEvent* event) {
  HookState& s = state();
  switch (event->type()) {
    case QEvent::ApplicationStateChange:
      if (s.useCount[0] > 0) dispatch(HookKind::AppActivation, nullptr, event);
      break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
      if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow()) break;
      if (event->type() == QEvent::Show) watchDestruction(static_cast<QWidget*>(watched));
      if (s.useCount[0] > 0) dispatch(HookKind::WindowPosChanged, watched, event);
      break;
    case QEvent::MouseMove:
      if (s.useCount[2] > 0 && watched->isWidgetType()) dispatch(HookKind::MouseMoved, watched, event);
      break;
    default:
      break;
  }
  return false;  // always chain on
}

}  // namespace

void RegisterHookProc(HookClient* client, HookKinds kinds, bool designing) {
  HookState& s = state();
  auto it = std::find_if(s.clients.begin(), s.clients.end(),
                         [client](const ClientEntry& e) { return e.client == client; });
  if (it != s.clients.end()) {
    ++it->count;
  } else {
    s.clients.push_back({client, 1, kinds, designing});
    it = s.clients.end() - 1;
  }
  if (designing) return;
  for (int slot = 0; slot < 3; ++slot)
    if (it->kinds & kSlotKinds[slot]) ++s.useCount[slot];
  updateFilter();
}

void UnregisterHookProc(HookClient* client) {
  HookState& s = state();
  auto it = std::find_if(s.clients.begin(), s.clients.end(),
                         [client](const ClientEntry& e) { return e.client == client; });
  if (it == s.clients.end()) return;
  if (!it->designing)
    for (int slot = 0; slot < 3; ++slot)
      if ((it->kinds & kSlotKinds[slot]) && s.useCount[slot] > 0) --s.useCount[slot];
  if (--it->count == 0) s.clients.erase(it);
  updateFilter();
}

bool HookInstalled(HookSlot slot) { return state().useCount[static_cast<int>(slot)] > 0; }
int HookClientCount() { return static_cast<int>(state().clients.size()); }

void NotifyWindowDestroyed(QObject* window) {
  if (state().useCount[1] > 0) dispatch(HookKind::WindowDestroyed, window, nullptr);
}

QRect ScreenWorkArea() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return QRect(0, 0, 640, 480);
  QRect r = screen->availableGeometry();
  return r.isEmpty() ? screen->geometry() : r;
}

QRect WorkAreaOfPoint(const QPoint& p) { return WorkAreaOfRect(QRect(p, QSize(1, 1))); }

QRect WorkAreaOfRect(const QRect& r) {
  if (QGuiApplication::screens().size() <= 1) return ScreenWorkArea();
  // The screen sharing most area with the rectangle; when it meets none, the
  // one nearest to it, so a window off every screen comes back to the closest.
  QScreen* best = nullptr;
  long long bestArea = 0, bestDistance = -1;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect g = s->geometry();
    const QRect i = g.intersected(r);
    const long long area = i.isEmpty() ? 0 : 1LL * i.width() * i.height();
    const long long dx = std::max({0, g.left() - r.right(), r.left() - g.right()});
    const long long dy = std::max({0, g.top() - r.bottom(), r.top() - g.bottom()});
    const long long distance = dx * dx + dy * dy;
    if (area > bestArea || (bestArea == 0 && area == 0 && (bestDistance < 0 || distance < bestDistance))) {
      best = s;
      bestArea = area;
      bestDistance = distance;
    }
  }
  return best ? best->availableGeometry() : ScreenWorkArea();
}

bool ApplicationActive() { return QApplication::activeWindow() != nullptr; }

int CaptionHeight() { return 16; }

}  // namespace tbz
