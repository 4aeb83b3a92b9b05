#include "platform/qt/display/qt_application.h"

#include <exception>

#include <QLibraryInfo>
#include <QLocale>

#include "platform/app/application.h"
#include "platform/qt/dialogs/message_box.h"
#include "platform/qt/text/qt_text.h"

namespace platform::qt {

TQApplication::TQApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // A zero timer fires once the queue of window events is empty: the idle time.
  idleTimer_.setSingleShot(true);
  idleTimer_.setInterval(0);
  QObject::connect(&idleTimer_, &QTimer::timeout, [this] { pass(); });
  setTextRasterizer(&rasterizer_);
  // Qt's file and colour dialogs take their words from Qt's Spanish catalogue when it
  // is installed; without it they stay in Qt's English (message boxes set theirs).
  if (qtSpanish_.load(QLocale(QLocale::Spanish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(&qtSpanish_);
  Application& app = application();
  app.OnWake = [this] { schedule(); };
  app.OnBeep = [] { QApplication::beep(); };
  app.OnConfirm = [](const std::string& text) {
    const QString title = qs(application().Title);
    return AskYesNo(QApplication::activeWindow(), title, qs(text), QMessageBox::Yes);
  };
  app.OnTerminate = [] { QCoreApplication::quit(); };
  QObject::connect(this, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState state) {
    application().SetActive(state == Qt::ApplicationActive);
  });
  schedule();
}

TQApplication::~TQApplication() {
  Application& app = application();
  app.OnWake = nullptr;
  app.OnBeep = nullptr;
  app.OnConfirm = nullptr;
  app.OnTerminate = nullptr;
  setTextRasterizer(nullptr);
}

void TQApplication::schedule() {
  if (!idleTimer_.isActive()) idleTimer_.start();
}

void TQApplication::pass() {
  Application& app = application();
  app.ProcessMessages();
  if (app.WantsIdle()) {
    ++passes_;
    if (!app.Idle()) schedule();  // Done = false: the next pass at once
  }
  if (app.HasMessages()) schedule();
}

bool TQApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    application().HandleException(e);
  } catch (...) {
    application().HandleException(std::runtime_error("Unknown exception"));
  }
  return false;
}

}  // namespace platform::qt
