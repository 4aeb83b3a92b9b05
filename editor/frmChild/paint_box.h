#pragma once
// The widgets of the visual page: the paint box showing the view's picture and
// taking the mouse, and the rulers numbering the cells along its edges.
#include <QWidget>

class TChildView;
class QMenu;

// A 32-bit picture of the drawing library as a Qt image (a deep copy).
class QImage;
namespace platform {
class GdiBitmap;
}
QImage ImageOfBitmap(const platform::GdiBitmap& bitmap);

class TPaintBox : public QWidget {
 public:
  TPaintBox(TChildView& view, QMenu* popup, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  TChildView& view_;
  QMenu* popup_;
};

// One mark per cell boundary, numbered, laid out for zoom 1.0.
class TRuler : public QWidget {
 public:
  TRuler(TChildView& view, Qt::Orientation orientation, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  TChildView& view_;
  Qt::Orientation orientation_;
};
