#pragma once
// The Qt window that hosts a screen: it shows the presented frames scaled to its
// client area (or, in a full-screen display mode, as a borderless full-screen
// window keeping the frame's shape), and passes key, mouse, activation, close
// and resize events on as the components expect them. Key events become
// Windows virtual keys in platform::keyState(); Alt reaches the program.
#include <QImage>
#include <QWidget>

#include "platform/app/form.h"
#include "platform/draw/frame_scaler.h"
#include "platform/draw/presenter.h"

namespace platform::qt {

class ScreenWindow : public QWidget, public Form, public Presenter {
 public:
  explicit ScreenWindow(QWidget* parent = nullptr);
  ~ScreenWindow() override;

  // Form
  int Width() const override;
  int Height() const override;
  int ClientWidth() const override { return width(); }
  int ClientHeight() const override { return height(); }
  void SetClientSize(int width, int height) override;
  void PrepareFullScreen() override;
  Presenter& presenter() override { return *this; }
  TPoint ClientOrigin() const override;
  TRect DisplayArea() const override;
  std::optional<TPoint> CursorPos() const override;
  void SetCursor(TCursor cursor) override;
  TCursor Cursor() const override { return cursor_; }

  // Presenter
  void present(const FrameView& frame, const TRect& source, const TRect& dest) override;
  TPoint clientOrigin() const override { return ClientOrigin(); }
  void setDisplayMode(int width, int height, int bits) override;
  void restoreDisplayMode() override;

  // The last frame as shown, at its shown size (tests and screenshots).
  const QImage& shownFrame() const { return shown_; }
  // Where it is shown, in client coordinates.
  QRect shownRect() const { return shownRect_; }
  bool inDisplayMode() const { return displayMode_; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  QRect targetRect(const TRect& dest) const;
  void handleKey(QKeyEvent* e, bool down);

  FrameScaler scaler_;
  QImage shown_;
  QRect shownRect_;
  TRect lastDest_{};
  TCursor cursor_ = crDefault;
  bool displayMode_ = false;
  int modeWidth_ = 0, modeHeight_ = 0;
  bool pressed_ = false;
};

}  // namespace platform::qt
