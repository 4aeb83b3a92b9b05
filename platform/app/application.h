#pragma once
// The application object the components hook into: the idle handler that runs
// the frame loop, the message handler, the exception handler, activation, and
// posted messages. The Qt loop (platform/qt/display) or HeadlessDriver drives it.
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <string>

namespace platform {

class Form;

struct TMsg {
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_USER = 0x0400;
constexpr uintptr_t SC_SCREENSAVE = 0xF140;
constexpr uintptr_t SC_MONITORPOWER = 0xF170;

class Application {
 public:
  // Done = false asks for the next idle call at once, without waiting for input.
  using TIdleEvent = std::function<void(bool& done)>;
  using TMessageEvent = std::function<void(TMsg& msg, bool& handled)>;
  using TExceptionEvent = std::function<void(const std::exception& e)>;

  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  // Beeps (MessageBeep); the Qt loop sounds the system bell.
  std::function<void()> OnBeep;
  // Told whenever there is something to do (a message posted, the idle handler
  // set), so that an event loop can wake up.
  std::function<void()> OnWake;
  // A Yes/No question (the class library's confirmation dialog); true for Yes.
  // The Qt loop shows a question box; without one the answer is the default
  // button, Yes.
  std::function<bool(const std::string& text)> OnConfirm;
  // Ends the message loop (the quit message); the Qt loop quits.
  std::function<void()> OnTerminate;

  Form* MainForm = nullptr;
  std::string Title;

  void SetIdleHandler(TIdleEvent handler);
  void PostMessage(const TMsg& msg);
  void MessageBeep();
  size_t beepCount() const { return beeps_; }
  bool Confirm(const std::string& text);
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The application gains or loses the focus: WM_ACTIVATEAPP through OnMessage.
  void SetActive(bool active);
  bool Active() const { return active_; }

  // Delivers every posted message to OnMessage; true when there were any.
  bool ProcessMessages();
  // One idle call; returns Done. False when no idle handler is set.
  bool Idle();
  bool WantsIdle() const { return bool(OnIdle); }
  bool HasMessages() const { return !queue_.empty(); }

  // An exception that reached the loop: OnException, or without one a line on
  // standard error (the program goes on).
  void HandleException(const std::exception& e);
  // Runs f; an exception from it goes to HandleException.
  void Guarded(const std::function<void()>& f);

  // Back to the state of a new application (tests).
  void Reset();

 private:
  void wake();
  std::deque<TMsg> queue_;
  bool active_ = false;
  bool terminated_ = false;
  size_t beeps_ = 0;
};

Application& application();

// One pass of the message loop without a window system: posted messages, then
// one idle call while the idle handler asks for more.
class HeadlessDriver {
 public:
  explicit HeadlessDriver(Application& app = application()) : app_(app) {}
  // Messages, then one idle call; returns whether idle ran.
  bool pass();
  void passes(int count);
  // The application gains the focus and the form is activated (OnActivate).
  void activate(Form& form);
  void deactivate();

 private:
  Application& app_;
};

// The operating-system version class the game chooses its display by; 0 here.
inline int osVersionClass() { return 0; }

}  // namespace platform
