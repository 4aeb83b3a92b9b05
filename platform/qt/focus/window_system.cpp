#include "platform/qt/focus/window_system.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace platform::qt {

namespace {

// The program's connection to the X server, or none on another platform.
xcb_connection_t* xConnection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

}  // namespace

bool focusIsInProgramOf(const QWidget& window) {
  if (xcb_connection_t* x = xConnection()) {
    const ReplyPtr<xcb_get_input_focus_reply_t> reply(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr),
                                                      &std::free);
    if (reply && reply->focus == XCB_NONE) return false;
    // Every window this program made has an id of the server's range for this connection.
    if (reply && reply->focus != XCB_INPUT_FOCUS_POINTER_ROOT) {
      const xcb_setup_t* setup = xcb_get_setup(x);
      return (reply->focus & ~setup->resource_id_mask) == setup->resource_id_base;
    }
  }
  return window.isActiveWindow() || QApplication::activeModalWidget() || QApplication::activePopupWidget();
}

bool pointerButtonHeld() {
  if (xcb_connection_t* x = xConnection()) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const ReplyPtr<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(x, xcb_query_pointer(x, screen->root), nullptr), &std::free);
    constexpr uint16_t buttons = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3;
    if (reply) return (reply->mask & buttons) != 0;
  }
  return QGuiApplication::mouseButtons() != Qt::NoButton;
}

}  // namespace platform::qt
