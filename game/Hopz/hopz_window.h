#pragma once
// The game's window: hosts TfmMain, shows the screen's frames, forwards keys as
// virtual keys, activation, clicks and close, shows the menu in window mode,
// and drives the one-second timer. The frame loop runs in the idle time of
// platform::qt::TQApplication, which the program must use.
#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "platform/app/form.h"
#include "platform/core/play_clock.h"
#include "platform/draw/presenter.h"

class TfmMain;
struct TOpenDialog;
class THopzWindow;

// The client area: paints the last frame presented and takes the keys.
class THopzScreenView : public QWidget, public platform::Presenter {
 public:
  explicit THopzScreenView(THopzWindow& window);

  void present(const platform::FrameView& frame, const platform::TRect& source,
               const platform::TRect& dest) override;
  platform::TPoint clientOrigin() const override;
  void setDisplayMode(int width, int height, int bits) override;
  void restoreDisplayMode() override;

  size_t presentCount() const { return presents_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab is a game key

 private:
  THopzWindow& window_;
  QImage frame_;
  QRect dest_;
  bool fullScreenMode_ = false;
  size_t presents_ = 0;
};

class THopzWindow : public QMainWindow, public platform::Form {
 public:
  THopzWindow();
  ~THopzWindow() override;

  // Shows the window as TfmMain's creation chose: a window or full screen.
  void showAsChosen();
  TfmMain& main() { return *main_; }

  // platform::Form. The outer size reads as the client size, so that the
  // screen's start, which gives the client the outer size, changes nothing and
  // the size in Hopz.ini stays the client size from run to run.
  int Width() const override { return ClientWidth(); }
  int Height() const override { return ClientHeight(); }
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientSize(int width, int height) override;
  void PrepareFullScreen() override {}
  platform::Presenter& presenter() override;
  platform::TPoint ClientOrigin() const override;
  std::optional<platform::TPoint> CursorPos() const override;
  void SetCursor(platform::TCursor cursor) override;
  platform::TCursor Cursor() const override { return cursor_; }

  // From the view.
  void viewKeyPress(QKeyEvent* event);
  void viewKeyRelease(QKeyEvent* event);
  void viewMousePress(QMouseEvent* event);
  void viewMouseMove(QMouseEvent* event);

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenu();
  // File/Open game: a game file of the program folder or elsewhere.
  bool runOpenDialog(TOpenDialog& dialog);
  void pump();
  // The game plays while the window system gives it the keys, which is asked
  // again at every change it reports (an activation, a menu or a dialog gone),
  // at every key and click, and at every turn of the pump: no event of its own
  // remembered decides, and the keyboard is never taken without asking.
  void followFocus();
  bool keysAreOurs() const;
  // The pointer is on the window manager's frame (the title bar, a border).
  bool pointerOnFrame() const;
  void activate();
  void deactivate();
  // Full screen, the window stays above the others only while the game has the keys.
  void stayOnTop(bool on);
  // A reason for the game to stand (a menu, a dialog) comes or goes.
  void standUnder(platform::StandReason reason, bool on);
  // The view holds the keyboard while a level plays in the active window
  // (followFocus has just asked the window system).
  void updateKeyboardGrab();

  THopzScreenView* view_;
  std::unique_ptr<TfmMain> main_;
  QTimer pump_;
  platform::TCursor cursor_ = platform::crDefault;
  bool active_ = false;
  bool destroyed_ = false;
  int openMenus_ = 0;
  bool keyboardGrabbed_ = false;
};
