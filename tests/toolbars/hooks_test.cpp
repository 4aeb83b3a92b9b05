// The shared notice hooks: reference-counted clients, nothing installed at
// design time, and a failing client does not keep a notice from the others.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QWidget>
#include <stdexcept>
#include <vector>

#include "tests/toolbars/test_main_app.h"
#include "toolbars/TBZUtils/TBZUtils.h"

using namespace tbz;

namespace {
struct Recorder : HookClient {
  int moves = 0;
  bool fail = false;
  void hookNotice(HookKind kind, QObject*, QEvent*) override {
    if (kind == HookKind::MouseMoved) ++moves;
    if (fail) throw std::runtime_error("client failed");
  }
};

void moveMouseOver(QWidget& w) {
  QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), QPointF(w.mapToGlobal(QPoint(5, 5))), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}
}  // namespace

TEST(Hooks, CountedRegistrationAndNoHookAtDesignTime) {
  testApp();
  QWidget w;
  Recorder designer, a;
  const int clients = HookClientCount();
  ASSERT_FALSE(HookInstalled(HookSlot::GetMessage));

  RegisterHookProc(&designer, hookBit(HookKind::MouseMoved), /*designing=*/true);
  EXPECT_FALSE(HookInstalled(HookSlot::GetMessage));
  UnregisterHookProc(&designer);
  EXPECT_EQ(HookClientCount(), clients);

  RegisterHookProc(&a, hookBit(HookKind::MouseMoved));
  RegisterHookProc(&a, hookBit(HookKind::MouseMoved));
  EXPECT_EQ(HookClientCount(), clients + 1);
  UnregisterHookProc(&a);
  EXPECT_TRUE(HookInstalled(HookSlot::GetMessage));  // still registered once
  EXPECT_FALSE(HookInstalled(HookSlot::CallWndProc));
  moveMouseOver(w);
  EXPECT_EQ(a.moves, 1);
  UnregisterHookProc(&a);
  EXPECT_FALSE(HookInstalled(HookSlot::GetMessage));
  moveMouseOver(w);
  EXPECT_EQ(a.moves, 1);
  EXPECT_EQ(HookClientCount(), clients);
}

TEST(Hooks, AFailingClientDoesNotStopTheOthers) {
  testApp();
  QWidget w;
  Recorder failing, other;
  failing.fail = true;
  RegisterHookProc(&failing, hookBit(HookKind::MouseMoved));
  RegisterHookProc(&other, hookBit(HookKind::MouseMoved));
  moveMouseOver(w);
  EXPECT_EQ(failing.moves, 1);
  EXPECT_EQ(other.moves, 1);
  UnregisterHookProc(&failing);
  UnregisterHookProc(&other);
}

// A client of the destruction notice hears of every top-level window that goes,
// shown before or after the client came, and of nothing once it has gone.
TEST(Hooks, DestroyedWindowsAreTold) {
  testApp();
  struct DestroyedWindows : HookClient {
    std::vector<QObject*> windows;
    void hookNotice(HookKind kind, QObject* window, QEvent*) override {
      if (kind == HookKind::WindowDestroyed) windows.push_back(window);
    }
  } client;
  auto* before = new QWidget;
  before->show();
  RegisterHookProc(&client, hookBit(HookKind::WindowDestroyed));
  EXPECT_TRUE(HookInstalled(HookSlot::Cbt));
  auto* after = new QWidget;
  after->show();
  new QWidget(after);  // a child is no window of its own
  const std::vector<QObject*> gone{before, after};
  delete before;
  delete after;
  EXPECT_EQ(client.windows, gone);
  UnregisterHookProc(&client);
  auto* later = new QWidget;
  later->show();
  delete later;
  EXPECT_EQ(client.windows, gone);
}
