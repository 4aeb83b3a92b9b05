#pragma once
// The programs' QApplication: runs platform::application()'s frame loop inside
// the Qt event loop (posted messages, then one idle call per pass while the idle
// handler asks for more), installs the Qt text rasteriser, sounds the beep,
// shows the Yes/No question box, lets Qt's own dialogs speak Spanish, quits when
// the application terminates, and hands exceptions thrown from event handlers to
// the application's exception handler instead of ending the program.
#include <QApplication>
#include <QTimer>
#include <QTranslator>

#include "platform/qt/display/qt_text_rasterizer.h"

namespace platform::qt {

class TQApplication : public QApplication {
 public:
  TQApplication(int& argc, char** argv);
  ~TQApplication() override;

  bool notify(QObject* receiver, QEvent* event) override;

  // Idle passes run so far (tests).
  size_t idlePasses() const { return passes_; }

 private:
  void schedule();
  void pass();

  QTimer idleTimer_;
  QTranslator qtSpanish_;
  QtTextRasterizer rasterizer_;
  size_t passes_ = 0;
};

}  // namespace platform::qt
