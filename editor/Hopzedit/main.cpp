// The editor program: the main window and the message loop.
#include <QCoreApplication>
#include <QTimer>

#include "editor/frmMain/frmMain.h"
#include "platform/app/application.h"
#include "platform/core/paths.h"
#include "platform/qt/display/qt_application.h"
#include "platform/qt/shell/desktop_shell.h"

int main(int argc, char** argv) {
  // Exceptions from event handlers reach the application's exception handler,
  // which the main window leaves empty.
  platform::qt::TQApplication app(argc, argv);
  platform::DesktopShell desktopShell;
  platform::setShell(&desktopShell);
  platform::application().Title.clear();

  std::vector<std::string> args(argv, argv + argc);
  int result = 0;
  {
    TfmMain window(platform::programFolder());
    window.show();
    QTimer::singleShot(0, &window, [&window, &args] { window.FormShow(args); });
    result = app.exec();
  }
  platform::setShell(nullptr);
  return result;
}
