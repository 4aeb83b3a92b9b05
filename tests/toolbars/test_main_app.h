#pragma once
// One application object for every toolbar test.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

inline QApplication& testApp() {
  static int argc = 1;
  static char name[] = "toolbars_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance() ? static_cast<QApplication*>(QApplication::instance())
                                                      : new QApplication(argc, argv);
  return *app;
}

// Sends a mouse event with an explicit screen position, as the platform would.
inline void sendMouse(QWidget* w, QEvent::Type type, QPoint global, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers mods = Qt::NoModifier) {
  Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  if (type == QEvent::MouseMove) buttons = Qt::LeftButton;
  QMouseEvent e(type, QPointF(w->mapFromGlobal(global)), QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : button,
                buttons, mods);
  QApplication::sendEvent(w, &e);
}
