#include "platform/app/application.h"

#include <cstdio>
#include <utility>

#include "platform/app/form.h"

namespace platform {

Application& application() {
  static Application app;
  return app;
}

void Application::wake() {
  if (OnWake) OnWake();
}

void Application::SetIdleHandler(TIdleEvent handler) {
  OnIdle = std::move(handler);
  if (OnIdle) wake();
}

void Application::PostMessage(const TMsg& msg) {
  queue_.push_back(msg);
  wake();
}

void Application::MessageBeep() {
  ++beeps_;
  if (OnBeep) OnBeep();
}

bool Application::Confirm(const std::string& text) { return OnConfirm ? OnConfirm(text) : true; }

void Application::Terminate() {
  terminated_ = true;
  if (OnTerminate) OnTerminate();
}

void Application::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  TMsg msg{WM_ACTIVATEAPP, active ? 1u : 0u, 0};
  bool handled = false;
  Guarded([&] {
    if (OnMessage) OnMessage(msg, handled);
  });
}

bool Application::ProcessMessages() {
  bool any = false;
  while (!queue_.empty()) {
    TMsg msg = queue_.front();
    queue_.pop_front();
    any = true;
    bool handled = false;
    Guarded([&] {
      if (OnMessage) OnMessage(msg, handled);
    });
  }
  return any;
}

bool Application::Idle() {
  if (!OnIdle) return true;
  bool done = true;
  // A copy, so that a handler that removes itself finishes safely.
  TIdleEvent handler = OnIdle;
  Guarded([&] { handler(done); });
  return done;
}

void Application::HandleException(const std::exception& e) {
  if (OnException) {
    try {
      OnException(e);
    } catch (const std::exception& inner) {
      std::fprintf(stderr, "%s\n", inner.what());
    }
    return;
  }
  std::fprintf(stderr, "%s\n", e.what());
}

void Application::Guarded(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    HandleException(e);
  }
}

void Application::Reset() {
  OnIdle = nullptr;
  OnMessage = nullptr;
  OnException = nullptr;
  OnBeep = nullptr;
  OnWake = nullptr;
  OnConfirm = nullptr;
  OnTerminate = nullptr;
  MainForm = nullptr;
  Title.clear();
  queue_.clear();
  active_ = false;
  terminated_ = false;
  beeps_ = 0;
}

bool HeadlessDriver::pass() {
  app_.ProcessMessages();
  if (!app_.WantsIdle()) return false;
  app_.Idle();
  return true;
}

void HeadlessDriver::passes(int count) {
  for (int i = 0; i < count; ++i) pass();
}

void HeadlessDriver::activate(Form& form) {
  app_.SetActive(true);
  app_.Guarded([&] {
    if (form.OnActivate) form.OnActivate(form);
  });
}

void HeadlessDriver::deactivate() { app_.SetActive(false); }

}  // namespace platform
