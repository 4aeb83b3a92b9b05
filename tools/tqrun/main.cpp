// tqrun --game DIR --level FILE [--frames N] [--keys SCRIPT] [--state OUT.json] [--png FRAME:OUT.png]...
// tqrun --help
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/qt/display/qt_text_rasterizer.h"
#include "tools/tqrun/level_run.h"

namespace {

std::string readText(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ERunArgument("cannot read \"" + file + "\"");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Qt draws the canvas texts while it lives.
struct ScopedQtText {
  platform::qt::QtTextRasterizer rasterizer;
  ScopedQtText() { platform::setTextRasterizer(&rasterizer); }
  ~ScopedQtText() { platform::setTextRasterizer(nullptr); }
  ScopedQtText(const ScopedQtText&) = delete;
  ScopedQtText& operator=(const ScopedQtText&) = delete;
};

int run(const std::vector<std::string>& args) {
  TRunOptions options;
  try {
    options = ParseRunOptions(args);
  } catch (const ERunArgument& e) {
    // The error line on stderr as for any failure; the usage beside it.
    std::fprintf(stderr, "error: %s\n", e.what());
    std::fputs(RunUsage().c_str(), stdout);
    return 1;
  }
  if (options.help) {
    std::fputs(RunUsage().c_str(), stdout);
    return 0;
  }
  const std::vector<TKeyEvent> script =
      options.keysFile.empty() ? std::vector<TKeyEvent>{} : ParseKeyScript(readText(options.keysFile));
  TLevelRun run(options.gameDir);
  run.CheckKeys(script);
  run.StartLevel(options.levelFile);
  std::vector<TFrameState> states;
  for (int frame = 1; frame <= options.frames; ++frame) {
    run.RunFrame(script);
    states.push_back(run.State());
    for (const TPngRequest& png : options.pngs)
      if (png.frame == frame) WritePng(png.file, run.Picture(), run.PictureWidth(), run.PictureHeight());
    // Once the level has handed over to the map there is no level left to play.
    if (!run.InLevel()) break;
  }
  const std::string json = FrameStatesJson(states);
  if (options.stateFile.empty()) {
    std::fputs(json.c_str(), stdout);
  } else {
    std::ofstream out(options.stateFile, std::ios::binary);
    if (!(out << json)) throw ERunArgument("cannot write \"" + options.stateFile + "\"");
  }
  // A picture asked for past the end of the level was never written.
  for (const TPngRequest& png : options.pngs)
    if (png.frame > run.Frame())
      throw ERunArgument("the level ended at frame " + std::to_string(run.Frame()) + ", before frame " +
                         std::to_string(png.frame) + " of \"" + png.file + "\"");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Canvas texts are drawn by Qt as in the game; no display is needed for that.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Qt's notes about the headless platform would mix with the report on stderr.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  const ScopedQtText text;
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "error: %s\n", e.what());
    return 1;
  }
}
