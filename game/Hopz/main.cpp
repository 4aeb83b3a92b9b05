// The game program: the launcher first; only its start button leads on to the
// game window.
#include "platform/qt/display/qt_application.h"


#include "game/Hopz/hopz_window.h"
#include "game/frmInit/app_title.h"
#include "game/frmInit/frmInit.h"
#include "game/frmInit/init_dialog.h"
#include "platform/app/application.h"
#include "platform/qt/text/qt_text.h"
#include "platform/fluidsynth/fluid_music_device.h"
#include "platform/sdl/sdl_audio_output.h"
#include "platform/sound/sound_mixer.h"
#include "platform/qt/shell/desktop_shell.h"

int main(int argc, char** argv) {
  // Runs the frame loop in the event loop and hands exceptions from event
  // handlers to the application's exception handler.
  platform::qt::TQApplication app(argc, argv);
  platform::DesktopShell desktopShell;
  platform::setShell(&desktopShell);

  platform::application().Title = kApplicationTitle;
  QApplication::setApplicationName(platform::qt::qs(kApplicationTitle));

  bool start = false;
  {
    TfmInit init(desktopInitServices());
    init.FormCreate();
    TfmInitDialog launcher(init);
    launcher.exec();
    start = init.ModalResult == TfmInit::mrOK;
  }
  if (!start) return 0;

  // Sound effects and music are mixed into the one mixer that the sound device
  // plays; without a device the game runs silently.
  platform::SdlAudioOutput audioOutput(platform::defaultMixer());
  audioOutput.open();
  platform::useFluidSynthMusic(platform::defaultMixer());

  THopzWindow window;
  window.showAsChosen();
  const int result = app.exec();
  platform::setShell(nullptr);
  return result;
}
