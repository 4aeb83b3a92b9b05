// Work areas on a desktop of two screens with a gap between them, (0, 0) 800 x 600
// and (1000, 0) 640 x 480: a program of its own, as the screens are chosen when
// the application starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <unistd.h>

#include "toolbars/TBZUtils/TBZUtils.h"

using namespace tbz;

namespace {

const QRect kFirst(0, 0, 800, 600), kSecond(1000, 0, 640, 480);

void twoScreenApp() {
  if (QApplication::instance()) return;
  const QString config = QDir::temp().filePath(QString("toolbars_screens_%1.json").arg(::getpid()));
  QFile file(config);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"screens": [
    {"name": "First", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "Second", "x": 1000, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
  ]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  static int argc = 1;
  static char name[] = "toolbars_screens_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives to the end of the program
  QFile::remove(config);
}

}  // namespace

// A window takes the work area of the screen it lies on most; off every screen,
// that of the screen nearest to it.
TEST(ScreenWorkAreas, TheScreenSharingMostOrElseTheNearest) {
  twoScreenApp();
  ASSERT_EQ(QGuiApplication::screens().size(), 2);
  struct Case {
    const char* what;
    QRect window;
    QRect area;
  };
  const Case cases[] = {
      {"on the first", {100, 100, 50, 50}, kFirst},
      {"across the gap, mostly on the second", {950, 100, 100, 50}, kSecond},
      {"in the gap, nearer the second", {960, 100, 20, 20}, kSecond},
      {"in the gap, nearer the first", {810, 100, 20, 20}, kFirst},
      {"right of every screen", {1800, 100, 40, 40}, kSecond},
      {"below the second", {1200, 700, 40, 40}, kSecond},
      {"below the first", {100, 900, 40, 40}, kFirst},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WorkAreaOfRect(c.window), c.area) << c.what;
    EXPECT_EQ(WorkAreaOfPoint(c.window.topLeft()), c.area) << c.what;
  }
}
