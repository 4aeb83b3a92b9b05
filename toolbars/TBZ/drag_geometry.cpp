#include "toolbars/TBZ/drag_geometry.h"

#include <algorithm>

namespace tbz {

static int mulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  long long p = 1LL * a * b;
  // Rounded like the system's MulDiv.
  long long q = (p >= 0) == (c > 0) ? (2 * p + c) / (2LL * c) : (2 * p - c) / (2LL * c);
  return static_cast<int>(q);
}

QRect proportionalRect(QPoint cursor, QPoint grab, QSize reference, QSize target) {
  int left = cursor.x() - mulDiv(target.width() - 1, grab.x(), reference.width());
  int top = cursor.y() - mulDiv(target.height() - 1, grab.y(), reference.height());
  return QRect(left, top, target.width(), target.height());
}

bool dockHit(QPoint cursor, QPoint grab, QSize reference, QSize target, QRect d, bool verticalDock) {
  QRect r = proportionalRect(cursor, grab, reference, target);
  // An empty dock still takes windows: widen it by a pixel on each side across.
  if (d.width() <= 0 || d.height() <= 0) {
    if (verticalDock) d.adjust(-1, 0, 1, 0);
    else d.adjust(0, -1, 0, 1);
    if (d.width() <= 0) d.setWidth(2);
    if (d.height() <= 0) d.setHeight(2);
  }
  int a = mulDiv(32, grab.x(), reference.width());
  int b = mulDiv(20, grab.y(), reference.height());
  int x = cursor.x(), y = cursor.y();
  if (x < d.left() - (32 - a) || x > d.right() + a) return false;
  if (verticalDock && (y < d.top() || y > d.bottom())) return false;
  if (y < d.top() - (20 - b) || y > d.bottom() + b) return false;
  return r.intersects(d);
}

QRect keepReachable(QRect r, QRect work, int frame, int captionHeight) {
  QRect inner = work.adjusted(frame + 4, frame + 4, -(frame + 4), -(frame + 4));
  if (r.bottom() < inner.top()) r.moveBottom(inner.top());
  if (r.top() > inner.bottom()) r.moveTop(inner.bottom());
  if (r.right() < inner.left()) r.moveRight(inner.left());
  if (r.left() > inner.right()) r.moveLeft(inner.right());
  int minTop = work.top() - (frame + captionHeight) + 4;
  if (r.top() < minTop) r.moveTop(minTop);
  return r;
}

QRect keepOnWorkArea(QRect r, QRect work) {
  if (r.intersects(work)) return r;
  if (r.left() > work.right()) r.moveRight(work.right());
  if (r.top() > work.bottom()) r.moveBottom(work.bottom());
  if (r.right() < work.left()) r.moveLeft(work.left());
  if (r.bottom() < work.top()) r.moveTop(work.top());
  return r;
}

QRect sizingRect(int kind, QRect start, QPoint delta, QSize minimum) {
  bool horz = kind == 0 || kind == 1 || kind == 3 || kind == 4 || kind == 6 || kind == 7;
  bool leftMoves = kind == 0 || kind == 3 || kind == 6;
  bool vert = kind >= 2 && kind <= 7;
  bool topMoves = kind == 2 || kind == 3 || kind == 4;
  int l = start.left(), t = start.top(), r = start.left() + start.width(), b = start.top() + start.height();
  if (horz) {
    if (leftMoves) l = std::min(l + delta.x(), r - minimum.width());
    else r = std::max(r + delta.x(), l + minimum.width());
  }
  if (vert) {
    if (topMoves) t = std::min(t + delta.y(), b - minimum.height());
    else b = std::max(b + delta.y(), t + minimum.height());
  }
  return QRect(l, t, r - l, b - t);
}

}  // namespace tbz
