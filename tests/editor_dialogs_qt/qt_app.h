#pragma once
// One QApplication per test program, and the picture of a window for a look at it.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <string>

inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "t";
  static char* argv[] = {name};
  static QApplication app(argc, argv);
  return app;
}

// With TQ_GRAB_DIR set, saves the widget as <dir>/<name>.png.
inline void Grab(QWidget& widget, const char* name) {
  if (const char* dir = std::getenv("TQ_GRAB_DIR")) widget.grab().save(QString("%1/%2.png").arg(dir, name));
}

// Runs action once the modal loop of the dialog about to be shown is running.
template <class F>
void WhenShown(QWidget& dialog, F action) {
  QTimer::singleShot(0, &dialog, action);
}

#include <QAbstractButton>

// Clicks the button of the widget whose text is text (UTF-8); false when there is none.
inline bool ClickButton(QWidget& widget, const char* text) {
  for (QAbstractButton* b : widget.findChildren<QAbstractButton*>())
    if (b->text() == QString::fromUtf8(text)) {
      b->click();
      return true;
    }
  return false;
}
