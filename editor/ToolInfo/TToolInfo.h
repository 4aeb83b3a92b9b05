#pragma once
// The editor's hint window: a borderless box in the tooltip colour that shows
// the short hint of the control the mouse rests on (see THintController). The
// controls it serves show their hint here instead of in Qt's tooltip; the
// hint text is the control's tool tip unless HintOf says otherwise.
#include <QTimer>
#include <QWidget>
#include <map>
#include <set>

#include "editor/ToolInfo/hint_controller.h"

class TToolInfo : public QWidget {
 public:
  // Created hidden; owner is the main window.
  explicit TToolInfo(QWidget* owner);

  THintController& Controller() { return controller_; }
  QTimer tmHint;  // 800 ms, started by a move onto a new control
  QString Text() const { return text_; }

  // Mouse moves over control show its hint (its own tool tip no longer shows).
  void AttachControl(QWidget* control);
  // Mouse moves over a surrounding panel, bar or dock hide the hint.
  void AttachHider(QWidget* widget);
  // The window's deactivation hides the hint.
  void AttachWindow(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  THintControl controlAt(const QPoint& globalPos) const;

  THintController controller_;
  QString text_;
  std::set<const QObject*> controls_, hiders_, windows_;
  // The widgets inside a control (a spin box's edit) stand for the control.
  std::map<const QObject*, QWidget*> parts_;
};
