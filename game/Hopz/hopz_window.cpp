#include "game/Hopz/hopz_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFileDialog>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QWindow>

#include "platform/qt/dialogs/file_dialog_filter.h"
#include "platform/qt/dialogs/message_box.h"
#include "platform/qt/display/qt_keys.h"
#include "platform/qt/focus/window_system.h"
#include "platform/qt/text/qt_text.h"
#include "components/MIDIPlayer/TMediaPlayer.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/screen_audio_binding.h"
#include "game/frmMain/window_keys.h"
#include "game/frmMain/shell_state.h"
#include "platform/app/application.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"

namespace {

int virtualKeyOf(const QKeyEvent& event) {
  return platform::qt::virtualKeyFromQt(event.key(), event.modifiers() & Qt::KeypadModifier);
}

// Alt is a game key (the first fire key): it must never take the focus to the menu bar.
class NoAltMenuStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};


platform::TShiftState shiftOf(Qt::KeyboardModifiers m) {
  platform::TShiftState s = 0;
  if (m & Qt::ShiftModifier) s |= platform::ssShift;
  if (m & Qt::AltModifier) s |= platform::ssAlt;
  if (m & Qt::ControlModifier) s |= platform::ssCtrl;
  return s;
}

// The character a key press types, as Windows-1252, or 0.
char typedCharacter(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    default: break;
  }
  const std::string text = platform::qt::cp(event.text());
  return text.size() == 1 && static_cast<unsigned char>(text[0]) >= 32 ? text[0] : 0;
}

}  // namespace

// ---------------------------------------------------------------- view

THopzScreenView::THopzScreenView(THopzWindow& window) : QWidget(&window), window_(window) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(1, 1);
}

void THopzScreenView::present(const platform::FrameView& frame, const platform::TRect& source,
                              const platform::TRect& dest) {
  const int w = source.Right - source.Left, h = source.Bottom - source.Top;
  if (w <= 0 || h <= 0) return;
  if (frame_.width() != w || frame_.height() != h) frame_ = QImage(w, h, QImage::Format_RGB32);
  platform::convertFrameTo32(frame, source, reinterpret_cast<uint32_t*>(frame_.bits()),
                             static_cast<int>(frame_.bytesPerLine() / 4));
  dest_ = QRect(dest.Left, dest.Top, dest.Right - dest.Left, dest.Bottom - dest.Top);
  ++presents_;
  update();
}

platform::TPoint THopzScreenView::clientOrigin() const {
  const QPoint p = mapToGlobal(QPoint(0, 0));
  return {p.x(), p.y()};
}

void THopzScreenView::setDisplayMode(int, int, int) { fullScreenMode_ = true; }
void THopzScreenView::restoreDisplayMode() { fullScreenMode_ = false; }

void THopzScreenView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (frame_.isNull()) return;
  QRect target = dest_;
  if (fullScreenMode_) {
    // The mode's picture fills the screen, keeping its proportions.
    const QSize scaled = frame_.size().scaled(size(), Qt::KeepAspectRatio);
    target = QRect(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled);
  }
  p.drawImage(target, frame_);
}

void THopzScreenView::keyPressEvent(QKeyEvent* event) { window_.viewKeyPress(event); }
void THopzScreenView::keyReleaseEvent(QKeyEvent* event) { window_.viewKeyRelease(event); }
void THopzScreenView::mousePressEvent(QMouseEvent* event) { window_.viewMousePress(event); }
void THopzScreenView::mouseMoveEvent(QMouseEvent* event) { window_.viewMouseMove(event); }

// ---------------------------------------------------------------- window

THopzWindow::THopzWindow() {
  setObjectName("fmMain");
  view_ = new THopzScreenView(*this);
  setCentralWidget(view_);
  auto* menuStyle = new NoAltMenuStyle;
  menuStyle->setParent(menuBar());
  menuBar()->setStyle(menuStyle);

  TMainWindowHost host;
  host.AskYesNo = [this](const std::string& title, const std::string& text) {
    return platform::qt::AskYesNo(this, platform::qt::qs(title), platform::qt::qs(text));
  };
  host.Close = [this] { QTimer::singleShot(0, this, [this] { close(); }); };
  host.GetBounds = [this](int& left, int& top, int& width, int& height) {
    left = x();
    top = y();
    width = ClientWidth();
    height = ClientHeight();
  };
  host.MenuChanged = [this] { buildMenu(); };
  host.ShowError = [this](const std::string& title, const std::string& text) {
    platform::qt::ShowMessageBox(this, QMessageBox::Critical, platform::qt::qs(title), platform::qt::qs(text), QMessageBox::Ok);
  };
  main_ = std::make_unique<TfmMain>(*this, host);
  // Before the creation, which loads the title's sound library.
  BindScreenAudio(*main_);
  main_->dlgOpen.Execute = [this](TOpenDialog& dialog) { return runOpenDialog(dialog); };
  main_->FormCreate();
  setWindowTitle(platform::qt::qs(main_->Caption));
  buildMenu();

  // The frame loop runs in the application's idle time; the one-second timer
  // is looked at often enough to tick on time.
  connect(&pump_, &QTimer::timeout, this, [this] { pump(); });
  pump_.start(10);
}

bool THopzWindow::runOpenDialog(TOpenDialog& dialog) {
  const QString chosen = QFileDialog::getOpenFileName(this, QString(), platform::qt::qPath(platform::programFolder()),
                                                      platform::qt::FileDialogFilter(dialog.Filter));
  if (chosen.isEmpty()) return false;
  dialog.FileName = platform::qt::diskPath(chosen);
  return true;
}

THopzWindow::~THopzWindow() {
  pump_.stop();
  UnbindScreenAudio();
  main_.reset();
}

void THopzWindow::showAsChosen() {
  TfmMain& m = *main_;
  if (m.WindowMode) {
    menuBar()->setVisible(m.MenuVisible);
    move(m.Left, m.Top);
    SetClientSize(m.ClientWidth, m.ClientHeight);
    show();
  } else {
    menuBar()->hide();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // Without a window manager the full-screen request alone leaves the window
    // at its first small size, so it is given the whole screen as well.
    if (QScreen* display = screen()) setGeometry(display->geometry());
    showFullScreen();
  }
  if (!m.ShowCursor) SetCursor(platform::crNone);
  view_->setFocus();
  activateWindow();
}

void THopzWindow::buildMenu() {
  menuBar()->clear();
  if (!main_ || !main_->MenuVisible) return;
  for (const TMenuItem& top : main_->mnuMain) {
    QMenu* menu = menuBar()->addMenu(platform::qt::qs(top.Caption));
    for (const TMenuItem& item : top.Items) {
      if (item.IsSeparator()) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(platform::qt::qs(item.Caption));
      if (item.ShortCutKey >= platform::VK_F1 && item.ShortCutKey <= platform::VK_F12) {
        const int key = Qt::Key_F1 + (item.ShortCutKey - platform::VK_F1);
        action->setShortcut(QKeySequence(item.ShortCutShift ? (Qt::SHIFT | key) : key));
      }
      const std::string name = item.Name;
      connect(action, &QAction::triggered, this,
              [this, name] { platform::application().Guarded([&] { main_->MenuClick(name); }); });
    }
    // An open menu takes the keys: the game stands until it closes. One menu
    // may open before the one it replaces on the bar has closed.
    connect(menu, &QMenu::aboutToShow, this, [this] {
      ++openMenus_;
      standUnder(platform::StandReason::InMenu, true);
    });
    connect(menu, &QMenu::aboutToHide, this, [this] {
      if (openMenus_ > 0) --openMenus_;
      standUnder(platform::StandReason::InMenu, openMenus_ > 0);
    });
  }
}

void THopzWindow::standUnder(platform::StandReason reason, bool on) {
  platform::application().Guarded([&] { main_->SetStanding(reason, on); });
  followFocus();
}

void THopzWindow::followFocus() {
  if (!destroyed_) {
    if (keysAreOurs())
      activate();
    else
      deactivate();
  }
  updateKeyboardGrab();
}

bool THopzWindow::keysAreOurs() const {
  // A button held on the frame moves or sizes the window, and the window
  // manager holds the keyboard until it is let go.
  return platform::qt::focusIsInProgramOf(*this) && !(pointerOnFrame() && platform::qt::pointerButtonHeld());
}

bool THopzWindow::pointerOnFrame() const {
  const QRect frame = frameGeometry(), client = geometry();
  if (frame == client) return false;  // full screen, or no window manager
  const QPoint p = QCursor::pos();
  return frame.contains(p) && !client.contains(p);
}

void THopzWindow::updateKeyboardGrab() {
  // While a level plays in the active window every key is the game's: the
  // desktop's own combinations (Ctrl+Alt+arrows switch workspaces) would take
  // run + jump + a direction away. Any stand (a pause, a menu, a dialog, the
  // background) and every other screen give the keyboard back, so a pause
  // leaves the usual ways out (Alt+Tab) working. So does the pointer on the
  // frame: the window manager moves or sizes the window only when it can take
  // the keyboard.
  const bool grab = main_ && !destroyed_ && active_ && main_->ScreenState() == ssLevel && !main_->GameStands() &&
                    !pointerOnFrame();
  if (grab == keyboardGrabbed_) return;
  keyboardGrabbed_ = grab;
  if (grab)
    view_->grabKeyboard();
  else
    view_->releaseKeyboard();
}

bool THopzWindow::event(QEvent* event) {
  // A modal dialog or message box of the game takes the keys: the game stands
  // until the dialog is gone and the window is active again.
  if (event->type() == QEvent::WindowBlocked) {
    standUnder(platform::StandReason::UnderDialog, true);
  } else if (event->type() == QEvent::WindowUnblocked) {
    standUnder(platform::StandReason::UnderDialog, false);
  }
  return QMainWindow::event(event);
}

void THopzWindow::pump() {
  platform::application().Guarded([&] { main_->MainTimer.Poll(); });
  // The music player's end-of-piece notice reaches the window here, on this thread.
  platform::application().Guarded([&] { main_->PollMusic(); });
  // A level entered or left, a pause begun or ended, the focus gone or back.
  followFocus();
}

void THopzWindow::activate() {
  if (active_) return;
  active_ = true;
  stayOnTop(true);
  main_->WindowActivated(true);
  platform::application().SetActive(true);
  platform::application().Guarded([&] {
    if (OnActivate) OnActivate(*this);
  });
}

void THopzWindow::deactivate() {
  if (!active_) return;
  active_ = false;
  main_->WindowActivated(false);  // which lets go of the keys held
  updateKeyboardGrab();
  platform::application().SetActive(false);
  if (OnDeactivate) OnDeactivate(*this);
  stayOnTop(false);
}

void THopzWindow::stayOnTop(bool on) {
  QWindow* window = windowHandle();
  if (main_->WindowMode || !window || window->flags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  // The window's own flag, which the window manager is told of in place: the
  // widget's would hide the window and show it again. Lowered, it is under the
  // window that took the focus wherever the window manager puts it.
  window->setFlag(Qt::WindowStaysOnTopHint, on);
  if (!on) window->lower();
}

void THopzWindow::changeEvent(QEvent* event) {
  // A moment to ask the window system; Qt's record of the change is not the
  // answer (under one of the game's menus it stays behind).
  if (event->type() == QEvent::ActivationChange) followFocus();
  QMainWindow::changeEvent(event);
}

void THopzWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Without a window manager no activation may ever arrive: a shown window starts anyway.
  QTimer::singleShot(300, this, [this] {
    if (!active_) activate();
  });
}

void THopzWindow::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  if (!canClose) {
    event->ignore();
    return;
  }
  if (!destroyed_) {
    destroyed_ = true;
    followFocus();  // lets the keyboard go
    pump_.stop();
    if (OnClose) OnClose(*this);
    platform::application().Guarded([&] { main_->FormDestroy(); });
  }
  event->accept();
  QApplication::quit();
}

int THopzWindow::ClientWidth() const { return view_->width(); }
int THopzWindow::ClientHeight() const { return view_->height(); }

void THopzWindow::SetClientSize(int width, int height) {
  const int menu = menuBar()->isVisible() || (main_ && main_->MenuVisible) ? menuBar()->sizeHint().height() : 0;
  resize(std::max(width, 1), std::max(height, 1) + menu);
}

platform::Presenter& THopzWindow::presenter() { return *view_; }

platform::TPoint THopzWindow::ClientOrigin() const { return view_->clientOrigin(); }

std::optional<platform::TPoint> THopzWindow::CursorPos() const {
  const QPoint p = QCursor::pos();
  return platform::TPoint{p.x(), p.y()};
}

void THopzWindow::SetCursor(platform::TCursor cursor) {
  cursor_ = cursor;
  view_->setCursor(cursor == platform::crNone ? Qt::BlankCursor : Qt::ArrowCursor);
}

void THopzWindow::viewKeyPress(QKeyEvent* event) {
  const int vk = virtualKeyOf(*event);
  const char typed = typedCharacter(*event);
  platform::application().Guarded([&] {
    if (vk) {
      uint16_t key = static_cast<uint16_t>(vk);
      if (OnKeyDown) OnKeyDown(*this, key, shiftOf(event->modifiers()));
      DeliverKey(*main_, vk, true, shiftOf(event->modifiers()));
    }
    if (typed) {
      char c = typed;
      if (OnKeyPress) OnKeyPress(*this, c);
      main_->FormKeyPress(c);
    }
  });
  followFocus();  // the pause key lets the keyboard go at once
}

void THopzWindow::viewKeyRelease(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;  // a held key stays down
  const int vk = virtualKeyOf(*event);
  if (!vk) return;
  platform::application().Guarded([&] {
    uint16_t key = static_cast<uint16_t>(vk);
    if (OnKeyUp) OnKeyUp(*this, key, shiftOf(event->modifiers()));
    DeliverKey(*main_, vk, false, shiftOf(event->modifiers()));
  });
}

void THopzWindow::viewMousePress(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  platform::application().Guarded([&] {
    const platform::TMouseButton button = event->button() == Qt::RightButton    ? platform::mbRight
                                          : event->button() == Qt::MiddleButton ? platform::mbMiddle
                                                                                : platform::mbLeft;
    if (OnMouseDown) OnMouseDown(*this, button, shiftOf(event->modifiers()), p.x(), p.y());
    if (event->button() == Qt::LeftButton) main_->FormClick();
  });
  followFocus();  // as the click that pauses
}

void THopzWindow::viewMouseMove(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseMove) OnMouseMove(*this, shiftOf(event->modifiers()), p.x(), p.y());
}
