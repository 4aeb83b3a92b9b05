#pragma once
// Geometry of dragging and sizing a tool window, kept apart from the widgets.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tbz {

// Rectangle of the given size placed so the grab point keeps its proportional place.
QRect proportionalRect(QPoint cursor, QPoint grab, QSize reference, QSize target);

// Whether a dragged window over a dock at dockRect (screen) is taken by it.
bool dockHit(QPoint cursor, QPoint grab, QSize reference, QSize target, QRect dockRect, bool verticalDock);

// Moves a floating rectangle so that it stays reachable on the work area.
QRect keepReachable(QRect r, QRect workArea, int frame, int captionHeight);

// Moves a rectangle just inside the work area when it does not meet it at all.
QRect keepOnWorkArea(QRect r, QRect workArea);

// Sizing kinds: 0 left, 1 right, 2 top, 3 top-left, 4 top-right, 5 bottom, 6 bottom-left, 7 bottom-right.
QRect sizingRect(int kind, QRect start, QPoint delta, QSize minimum);

}  // namespace tbz
