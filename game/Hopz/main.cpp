// The game program: the launcher first; only its start button leads on to the
// game window.
#include <QApplication>
#include <QProxyStyle>

#include "game/Hopz/hopz_window.h"
#include "game/frmInit/app_title.h"
#include "game/frmInit/frmInit.h"
#include "game/frmInit/init_dialog.h"
#include "platform/app/application.h"
#include "platform/core/text_encoding.h"
#include "platform/qt/shell/desktop_shell.h"

namespace {

// Alt is a game key (the first fire key): it must never take the focus to the menu bar.
class GameStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

// Exceptions from event handlers go to the application's exception handler
// instead of ending the program.
class GameApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      platform::application().HandleException(e);
      return false;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  GameApplication app(argc, argv);
  app.setStyle(new GameStyle);
  platform::DesktopShell desktopShell;
  platform::setShell(&desktopShell);

  platform::application().Title = kApplicationTitle;
  QApplication::setApplicationName(QString::fromStdString(platform::cp1252ToUtf8(kApplicationTitle)));

  bool start = false;
  {
    TfmInit init(desktopInitServices());
    init.FormCreate();
    TfmInitDialog launcher(init);
    launcher.exec();
    start = init.ModalResult == TfmInit::mrOK;
  }
  if (!start) return 0;

  THopzWindow window;
  window.showAsChosen();
  const int result = app.exec();
  platform::setShell(nullptr);
  return result;
}
