#pragma once
// Shared services of the toolbar classes: the application-wide notice hooks that
// several clients share, screen work areas, frame metrics and the library's
// exception class and version text.
#include <QRect>
#include <QPoint>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

class QEvent;
class QObject;

namespace tbz {

// The class library's invalid-operation error, raised with fixed English texts.
class EInvalidOperation : public std::runtime_error {
 public:
  explicit EInvalidOperation(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kToolbarVersion = "TBZ toolbars version 1.0";

// Notices a hook client can ask for. A destroyed window is a top-level window
// of the application, told while it is being destroyed (compare it, use it not).
enum class HookKind { AppActivation = 0, WindowPosChanged = 1, WindowDestroyed = 2, MouseMoved = 3 };
using HookKinds = unsigned;  // bit (1 << kind)
constexpr HookKinds hookBit(HookKind k) { return 1u << static_cast<unsigned>(k); }

// The three hook slots: window-procedure notices (kinds 0, 1), destruction (2), mouse moves (3).
enum class HookSlot { CallWndProc = 0, Cbt = 1, GetMessage = 2 };

class HookClient {
 public:
  virtual ~HookClient() = default;
  // window is the object the notice is about (nullptr for application activation).
  virtual void hookNotice(HookKind kind, QObject* window, QEvent* event) = 0;
};

// Registration is reference counted per client; a hook slot is installed while a
// client needs it. At design time nothing is installed.
void RegisterHookProc(HookClient* client, HookKinds kinds, bool designing = false);
void UnregisterHookProc(HookClient* client);
bool HookInstalled(HookSlot slot);
int HookClientCount();
// Tells every client that wants it about a destroyed window; the hooks call it
// for every top-level window that goes while a client wants the notice.
void NotifyWindowDestroyed(QObject* window);

// Work area of the screen holding a point / sharing most of a rectangle; of the
// nearest screen when the point or rectangle is off every screen.
QRect ScreenWorkArea();
QRect WorkAreaOfPoint(const QPoint& p);
QRect WorkAreaOfRect(const QRect& r);
bool ApplicationActive();

// Sorts a list by compare(a, b) < 0 / == 0 / > 0. Items that compare equal keep
// their order, so the docks and toolbars lay out ties the same way every time.
template <class T, class Compare>
void SortListEx(std::vector<T>& list, Compare compare) {
  if (list.size() < 2) return;
  std::stable_sort(list.begin(), list.end(), [&compare](const T& a, const T& b) { return compare(a, b) < 0; });
}

// Frame metrics of the floating and docked frames.
int CaptionHeight();
inline constexpr int kFixedFrame = 3;
// Largest width or height a tool window takes; sizes read from elsewhere are kept to it.
inline constexpr int kMaxWindowSize = 32767;
inline constexpr int kSizeFrame = 4;

}  // namespace tbz
