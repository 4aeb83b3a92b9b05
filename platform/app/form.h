#pragma once
// The window that hosts a screen, as the components see it: its events, its
// size and the presenter that shows its frames. The Qt window implements it;
// HeadlessForm stands in for it in tests.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/draw/geometry.h"
#include "platform/draw/presenter.h"

namespace platform {

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
// The class library's shift state, a set of these bits.
using TShiftState = uint8_t;
enum ShiftFlag : TShiftState { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };

// The class library's cursor numbers.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  // Events, sender first. Key codes are Windows virtual keys; a handler may set
  // the key to 0 to consume it.
  std::function<void(Form& sender)> OnActivate;
  std::function<void(Form& sender)> OnDeactivate;
  std::function<void(Form& sender, uint16_t& key, TShiftState shift)> OnKeyDown;
  std::function<void(Form& sender, uint16_t& key, TShiftState shift)> OnKeyUp;
  std::function<void(Form& sender, char& key)> OnKeyPress;  // Windows-1252
  std::function<void(Form& sender, TMouseButton button, TShiftState shift, int x, int y)> OnMouseDown;
  std::function<void(Form& sender, TShiftState shift, int x, int y)> OnMouseMove;
  std::function<void(Form& sender)> OnClick;
  std::function<void(Form& sender)> OnResize;
  std::function<void(Form& sender)> OnPaint;
  // The window is about to close; set canClose false to keep it.
  std::function<void(Form& sender, bool& canClose)> OnCloseQuery;
  std::function<void(Form& sender)> OnClose;

  // Outer size and client size in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  virtual void SetClientSize(int width, int height) = 0;
  // Made ready for a full-screen display: no border, no border icons, stays on
  // top, black.
  virtual void PrepareFullScreen() = 0;
  virtual Presenter& presenter() = 0;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  virtual TPoint ClientOrigin() const = 0;
  // Where a full-screen display mode's frame is shown, in client coordinates:
  // the whole client area unless the window keeps the frame's shape with bars.
  virtual TRect DisplayArea() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  // The mouse position in screen coordinates, when known.
  virtual std::optional<TPoint> CursorPos() const = 0;
  // The cursor shown over the window (crNone hides it).
  virtual void SetCursor(TCursor cursor) = 0;
  virtual TCursor Cursor() const = 0;
};

// A window without a display: sizes are plain numbers, frames go to a
// HeadlessPresenter, events are fired by the test.
class HeadlessForm : public Form {
 public:
  HeadlessForm(int clientWidth = 640, int clientHeight = 480, int borderWidth = 0, int borderHeight = 0);

  int Width() const override { return clientWidth + borderWidth; }
  int Height() const override { return clientHeight + borderHeight; }
  int ClientWidth() const override { return clientWidth; }
  int ClientHeight() const override { return clientHeight; }
  void SetClientSize(int width, int height) override;
  void PrepareFullScreen() override { fullScreenReady = true; }
  Presenter& presenter() override { return display; }
  TPoint ClientOrigin() const override { return display.origin; }
  TRect DisplayArea() const override { return displayArea ? *displayArea : Form::DisplayArea(); }
  std::optional<TPoint> CursorPos() const override { return cursor; }
  void SetCursor(TCursor c) override { currentCursor = c; }
  TCursor Cursor() const override { return currentCursor; }

  // Fires OnActivate / OnMouseMove / OnMouseDown as the window would.
  void activate();
  void moveMouse(int x, int y, TShiftState shift = 0);
  void pressMouse(TMouseButton button, int x, int y, TShiftState shift = 0);

  int clientWidth, clientHeight, borderWidth, borderHeight;
  bool fullScreenReady = false;
  std::optional<TPoint> cursor;  // screen coordinates
  std::optional<TRect> displayArea;  // unset: the whole client area
  TCursor currentCursor = crDefault;
  HeadlessPresenter display;
};

}  // namespace platform
