#pragma once
// A label that looks and feels like a hyperlink: hand cursor, blue underlined
// text, and while the mouse button is held on it a focus frame (style 1) or
// red text (style 0).
#include <QLabel>
#include <functional>

class TTextLink : public QLabel {
 public:
  explicit TTextLink(QWidget* parent = nullptr);

  int PressedStyle = 1;  // 1 frame, 0 red text
  bool Pressed() const { return pressed_; }
  std::function<void(TTextLink& Sender)> OnClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void setTextColor(const QColor& color);
  QColor remembered_;
  bool pressed_ = false;
};
