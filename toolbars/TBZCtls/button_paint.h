#pragma once
// Frame edges and the dither pattern of a held-down button.
#include <QBrush>
#include <QPalette>
#include <QRect>

class QPainter;

namespace tbz {

// Edge kinds and flags of a 3-D frame.
enum : unsigned {
  BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
  EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
};
enum : unsigned { BF_RECT = 0x0F, BF_MIDDLE = 0x800, BF_SOFT = 0x1000 };

// Draws the outer and inner edges that the kind names, each one pixel wide, the
// inner one inside the outer; BF_MIDDLE fills what is left with the button face,
// BF_SOFT lightens the top-left of a raised and deepens that of a sunken edge.
void DrawEdge(QPainter& painter, QRect rect, unsigned edge, unsigned flags, const QPalette& pal);

// The 8x8 pattern of face and highlight pixels (highlight where row and column
// have equal parity), shared by all buttons: built on first use and rebuilt when
// asked for with other colours.
QBrush DitherBrush(const QPalette& pal);
// Drops the shared pattern when the face or highlight colour differs from the
// colours it was built with; true when it was dropped.
bool DropDitherIfColoursChanged(const QPalette& pal);
void FreeDither();
bool DitherBuilt();

}  // namespace tbz
