// The screen in a real Qt window on the offscreen platform: window mode and full
// screen, the idle loop, the presented frame, and key forwarding.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "components/GKILib/TGKImageLib.h"
#include "components/ZEZ/TGKScreen.h"
#include "platform/core/keys.h"
#include "platform/qt/display/qt_application.h"
#include "platform/qt/display/screen_window.h"

namespace {

// One application for the whole run, gone before the program's exit handlers.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { app = std::make_unique<platform::qt::TQApplication>(argc, argv); }
  void TearDown() override { app.reset(); }
  int argc = 1;
  char name[16] = "screen_qt_tests";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<platform::qt::TQApplication> app;
};
QtEnvironment* const qtEnvironment =
    static_cast<QtEnvironment*>(::testing::AddGlobalTestEnvironment(new QtEnvironment));

void qtApp() { ASSERT_TRUE(qtEnvironment->app); }

void forgetHandlers() {
  auto& app = platform::application();
  app.OnIdle = nullptr;
  app.OnMessage = nullptr;
  app.OnException = nullptr;
}

// One 8x8 image: a green square inside a transparent border.
void greenSquare(TGKImageLib& lib) {
  TGKImages images;
  images.Palette[5] = {10, 200, 30, 1};
  std::vector<uint8_t> bits(64, 0);
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) bits[size_t(y) * 8 + x] = 5;
  images.AddImage(8, 8, "square", bits);
  lib.SetImages(images);
}

// The shown pixel at the centre of buffer pixel (bx, by).
QRgb shownAt(const platform::qt::ScreenWindow& w, int bx, int by, int bufferWidth, int bufferHeight) {
  const QImage& img = w.shownFrame();
  return img.pixel((2 * bx + 1) * img.width() / (2 * bufferWidth), (2 * by + 1) * img.height() / (2 * bufferHeight));
}

TEST(QtDisplay, WindowAndFullScreenPresentTheBlittedImage) {
  qtApp();
  for (bool windowMode : {true, false}) {
    SCOPED_TRACE(windowMode ? "window" : "full screen");
    forgetHandlers();
    TGKImageLib lib;
    greenSquare(lib);
    platform::qt::ScreenWindow window;
    window.resize(960, 720);
    TGKScreen screen(window);
    if (windowMode) {
      screen.DisplayMode = dm640x480x32;
      screen.WindowMode = true;
      screen.WindowStretch = true;
      screen.WinBufWidth = 320;
      screen.WinBufHeight = 240;
    } else {
      screen.DisplayMode = dm320x240x8;
    }
    screen.Loaded();
    screen.ImageLibrary = &lib;
    int flips = 0;
    screen.OnFlip = [&](TGKScreen& s) {
      s.BackSurface->Erase(0);
      s.BackSurface->Draw(100, 50, s.GetImage(0), true);
      ++flips;
    };
    screen.SetFlippingEnabled(true);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return flips >= 10; }, 5000));
    EXPECT_TRUE(screen.DirectDraw);
    EXPECT_EQ(window.inDisplayMode(), !windowMode);
    if (windowMode) {
      EXPECT_EQ(window.shownFrame().size(), window.size());  // stretched over the client area
    } else {
      // The area the screen maps the cursor through is where the frame is shown.
      const platform::TRect area = window.DisplayArea();
      EXPECT_EQ(QRect(area.Left, area.Top, area.width(), area.height()), window.shownRect());
    }
    EXPECT_EQ(shownAt(window, 103, 53, 320, 240), qRgb(10, 200, 30));
    EXPECT_EQ(shownAt(window, 101, 51, 320, 240), qRgb(0, 0, 0));  // the transparent border
    EXPECT_EQ(shownAt(window, 10, 10, 320, 240), qRgb(0, 0, 0));

    // Deactivation stops the loop; reactivation starts it again.
    platform::application().SetActive(false);
    QTest::qWait(20);
    const int stopped = flips;
    QTest::qWait(30);
    EXPECT_EQ(flips, stopped);
    platform::application().SetActive(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return flips > stopped + 2; }, 2000));
    screen.SetFlippingEnabled(false);
  }
  forgetHandlers();
}

TEST(QtDisplay, KeysReachTheKeyStateAsVirtualKeys) {
  qtApp();
  forgetHandlers();
  platform::qt::ScreenWindow window;
  std::vector<uint16_t> downs;
  std::string typed;
  window.OnKeyDown = [&](platform::Form&, uint16_t& key, platform::TShiftState) { downs.push_back(key); };
  window.OnKeyPress = [&](platform::Form&, char& c) { typed += c; };
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  platform::keyState().clear();
  QTest::keyPress(&window, Qt::Key_Alt);
  EXPECT_TRUE(platform::keyState().isDown(platform::VK_MENU));
  QTest::keyRelease(&window, Qt::Key_Alt);
  EXPECT_FALSE(platform::keyState().isDown(platform::VK_MENU));
  QTest::keyPress(&window, Qt::Key_Left);
  EXPECT_TRUE(platform::keyState().isDown(platform::VK_LEFT));
  QTest::keyClick(&window, Qt::Key_A);
  QTest::keyClick(&window, Qt::Key_Return);
  EXPECT_EQ(downs, (std::vector<uint16_t>{platform::VK_MENU, platform::VK_LEFT, 'A', platform::VK_RETURN}));
  EXPECT_EQ(typed, "a\r");
  bool closed = false;
  window.OnCloseQuery = [](platform::Form&, bool& canClose) { canClose = false; };
  window.OnClose = [&](platform::Form&) { closed = true; };
  EXPECT_FALSE(window.close());
  EXPECT_FALSE(closed);
  window.OnCloseQuery = nullptr;
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(closed);
  platform::keyState().clear();
}

// The application's question (the editor's question about the desktop's
// colours, the game's questions) asks with "Sí" and "No", "Sí" first in focus.
TEST(QtDisplay, TheApplicationsQuestionReadsInSpanish) {
  qtApp();
  for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
    QStringList shown;
    QString focused;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* b : box->buttons()) shown << b->text().remove('&');
      shown.sort();
      focused = box->defaultButton() ? box->defaultButton()->text().remove('&') : QString();
      box->button(answer)->click();
    });
    EXPECT_EQ(platform::application().Confirm("\xBF" "Continuar?"), answer == QMessageBox::Yes);
    EXPECT_EQ(shown, QStringList({"No", QString::fromUtf8("S\u00ed")}));
    EXPECT_EQ(focused, QString::fromUtf8("S\u00ed"));
  }
}

// Qt's own dialogs (the editor's colour and file choosers) use Qt's Spanish words.
TEST(QtDisplay, QtsOwnDialogsReadInSpanish) {
  qtApp();
  QColorDialog dialog;
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QStringList shown;
  for (QAbstractButton* b : buttons->buttons()) shown << b->text().remove('&');
  shown.sort();
  EXPECT_EQ(shown, QStringList({"Aceptar", "Cancelar"}));
}

}  // namespace
