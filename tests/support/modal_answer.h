#pragma once
// Answers, as a person would, each modal window of a kind that is up while it
// lives: a timer looks for one every few milliseconds, so the answer comes
// after the window's own event loop has started.
#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

template <class Window>
class ModalAnswer {
 public:
  ModalAnswer(int everyMs, std::function<void(Window*)> answer) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) answer_(window);
    });
    timer_.start(everyMs);
  }
  ModalAnswer(const ModalAnswer&) = delete;
  ModalAnswer& operator=(const ModalAnswer&) = delete;

 private:
  std::function<void(Window*)> answer_;
  QTimer timer_;
};
