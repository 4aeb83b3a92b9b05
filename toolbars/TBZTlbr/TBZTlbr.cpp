#include "toolbars/TBZTlbr/TBZTlbr.h"

#include <QChildEvent>
#include <QPainter>
#include <algorithm>

namespace tbz {

TCustomToolbarZ::TCustomToolbarZ(QWidget* parent) : TCustomToolWindowZ(parent) {
  eightDirectionSizing_ = clipCursor_ = false;
}

void TCustomToolbarZ::SetFloatRightX(int v) {
  floatRightX_ = std::clamp(v, 0, kMaxWindowSize);
  if (!Docked()) Rearrange();
}

void TCustomToolbarZ::childEvent(QChildEvent* e) {
  if (e->type() == QEvent::ChildAdded && e->child()->isWidgetType()) {
    QWidget* w = static_cast<QWidget*>(e->child());
    if (std::find(order_.begin(), order_.end(), w) == order_.end()) order_.push_back(w);
    w->installEventFilter(this);
  } else if (e->type() == QEvent::ChildRemoved) {
    std::erase(order_, static_cast<QWidget*>(e->child()));
    Rearrange();
  }
  TCustomToolWindowZ::childEvent(e);
}

// A control that changes size or visibility re-lays the toolbar.
bool TCustomToolbarZ::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type t = event->type();
  if (relayout_ == 0 && watched->parent() == this &&
      (t == QEvent::Resize || t == QEvent::ShowToParent || t == QEvent::HideToParent)) {
    ++relayout_;
    Rearrange();
    --relayout_;
  }
  return false;
}

void TCustomToolbarZ::SortOrderByPosition() {
  bool vertical = DockTypeOf(DockedTo()) == 2;
  std::stable_sort(order_.begin(), order_.end(), [vertical](QWidget* a, QWidget* b) {
    return vertical ? a->y() < b->y() : a->x() < b->x();
  });
  Rearrange();
}

std::vector<ToolbarItem> TCustomToolbarZ::items(std::vector<QWidget*>& controls, int) const {
  std::vector<ToolbarItem> out;
  controls.clear();
  for (QWidget* w : order_) {
    if (w->isHidden() || w->isWindow()) continue;
    controls.push_back(w);
    ToolbarItem it;
    if (auto* sep = dynamic_cast<TToolbarSepZ*>(w)) {
      it.separator = true;
      it.blank = sep->Blank();
      it.sizeHorz = sep->SizeHorz();
      it.sizeVert = sep->SizeVert();
    }
    it.width = w->width();
    it.height = w->height();
    out.push_back(it);
  }
  return out;
}

int TCustomToolbarZ::DockedSize(int dockType) const {
  std::vector<QWidget*> controls;
  return toolbarDockedSize(items(controls, dockType), dockType);
}

QSize TCustomToolbarZ::ArrangeClient(bool canMove, int, TDockZ* newDock) {
  const int type = DockTypeOf(newDock);
  std::vector<QWidget*> controls;
  std::vector<ToolbarItem> list = items(controls, type);
  int rowSize = toolbarDockedSize(list, type);
  int thickness = rowSize;
  if (newDock && newDock == DockedTo()) thickness = std::max(newDock->GetRowSize(DockRow(), this), rowSize);
  ToolbarLayout layout = arrangeToolbar(list, type, floatRightX_, thickness, canMove);
  if (canMove) {
    ++relayout_;
    QMargins m = NonClientFor(newDock);
    for (size_t i = 0; i < controls.size(); ++i)
      controls[i]->setGeometry(list[i].left + m.left(), list[i].top + m.top(), list[i].outWidth, list[i].outHeight);
    lines_ = layout.lines;
    --relayout_;
    update();
  }
  return QSize(layout.width, layout.height);
}

void TCustomToolbarZ::ReadPositionData(const ReadIntProc& read) {
  SetFloatRightX(read(objectName(), "FloatRightX", 0));
}

void TCustomToolbarZ::WritePositionData(const WriteIntProc& write) const {
  write(objectName(), "FloatRightX", floatRightX_);
}

void TCustomToolbarZ::paintEvent(QPaintEvent* e) {
  TCustomToolWindowZ::paintEvent(e);
  if (Docked()) return;
  QPainter p(this);
  QMargins m = contentsMargins();
  for (const SeparatorLine& line : lines_) {
    if (line.blank) continue;
    int y = m.top() + line.offset;
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(m.left() + 1, y - 4, width() - m.right() - 2, y - 4);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(m.left() + 1, y - 3, width() - m.right() - 2, y - 3);
  }
}

// A press on a separator drags the toolbar.
bool TCustomToolbarZ::ChildTransparentForDrag(QWidget* child) const {
  return dynamic_cast<TToolbarSepZ*>(child) != nullptr;
}

void TCustomToolbarZ::BeginSizing(int kind) {
  sizingKind_ = kind;
  chosenFloatRightX_ = floatRightX_;
  firstChange_ = false;
  const int saved = floatRightX_;
  std::vector<ToolbarSize> steps = floatingSizes([this](int frx) {
    floatRightX_ = frx;
    QSize s = ArrangeClient(false, 0, nullptr);
    return ToolbarSize{s.width(), s.height()};
  });
  floatRightX_ = saved;
  QMargins m = NonClientFor(nullptr);
  sizes_.clear();
  for (const ToolbarSize& s : steps)
    sizes_.emplace_back(s.width + m.left() + m.right(), s.height + m.top() + m.bottom());
  oneLineSize_ = sizes_.front();  // the layout without wrapping comes first
  const bool byHeight = kind == 2 || kind == 5;
  std::stable_sort(sizes_.begin(), sizes_.end(), [byHeight](const QSize& a, const QSize& b) {
    return byHeight ? a.height() > b.height() : a.width() > b.width();
  });
  // Snap tolerance: never so wide that a neighbouring step cannot be reached.
  snap_ = 12;
  auto cur = std::find(sizes_.begin(), sizes_.end(), size());
  if (cur != sizes_.end()) {
    auto dim = [byHeight](const QSize& s) { return byHeight ? s.height() : s.width(); };
    if (cur != sizes_.begin()) snap_ = std::min(snap_, std::abs(dim(*(cur - 1)) - dim(*cur)) - 1);
    if (cur + 1 != sizes_.end()) snap_ = std::min(snap_, std::abs(dim(*cur) - dim(*(cur + 1))) - 1);
  }
  snap_ = std::max(snap_, 0);
  lastGrowing_ = false;
}

void TCustomToolbarZ::SizingChanging(QRect& r) {
  if (sizes_.empty()) return;
  const bool byHeight = sizingKind_ == 2 || sizingKind_ == 5;
  auto dim = [byHeight](const QSize& s) { return byHeight ? s.height() : s.width(); };
  const QRect g = geometry();
  const int current = dim(g.size());
  // The sizing rectangle reaches from the fixed edge to the cursor.
  int distance = dim(r.size());
  bool growing = distance > current;
  // Close to the current size the toolbar holds still until it has changed once,
  // and again each time the user turns back.
  if ((!firstChange_ || growing != lastGrowing_) && std::abs(distance - current) <= snap_) {
    distance = current;
    growing = false;
  }
  lastGrowing_ = growing;
  // The steps run from the widest (tallest) to the narrowest.
  QSize chosen;
  if (growing) {
    chosen = sizes_.front();
    for (auto it = sizes_.rbegin(); it != sizes_.rend(); ++it)
      if (dim(*it) > distance) { chosen = *it; break; }
  } else {
    chosen = sizes_.back();
    for (const QSize& s : sizes_)
      if (dim(s) <= distance) { chosen = s; break; }
  }
  QMargins m = NonClientFor(nullptr);
  chosenFloatRightX_ = chosen == oneLineSize_ ? 0 : chosen.width() - 2 * m.left();
  const bool leftMoves = sizingKind_ == 0 || sizingKind_ == 3 || sizingKind_ == 6;
  const bool topMoves = sizingKind_ == 2 || sizingKind_ == 3 || sizingKind_ == 4;
  QRect out(g.topLeft(), chosen);
  if (leftMoves) out.moveRight(g.right());
  if (topMoves) out.moveBottom(g.bottom());
  if (out != g) firstChange_ = true;
  r = out;
}

void TCustomToolbarZ::EndSizing(bool accepted) {
  sizingKind_ = -1;
  if (accepted) floatRightX_ = chosenFloatRightX_;
}

TToolbarZ::TToolbarZ(QWidget* parent) : TCustomToolbarZ(parent) { PlaceOn(parent); }

static QWidget* checkedSepParent(QWidget* parent) {
  if (!dynamic_cast<TCustomToolbarZ*>(parent))
    throw EInvalidOperation("TToolbarSepZ can only be placed on a TToolbarZ");
  return parent;
}

TToolbarSepZ::TToolbarSepZ(QWidget* toolbar) : QWidget(checkedSepParent(toolbar)) {
  // A press on a separator reaches the toolbar, so dragging starts there.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  resize(sizeHorz_, sizeVert_);
  show();  // visible like any new control, also on a toolbar already shown
  static_cast<TCustomToolbarZ*>(toolbar)->Rearrange();
}

void TToolbarSepZ::SetSizeHorz(int v) {
  sizeHorz_ = v;
  if (auto* tb = dynamic_cast<TCustomToolbarZ*>(parentWidget())) tb->Rearrange();
}

void TToolbarSepZ::SetSizeVert(int v) {
  sizeVert_ = v;
  if (auto* tb = dynamic_cast<TCustomToolbarZ*>(parentWidget())) tb->Rearrange();
}

void TToolbarSepZ::paintEvent(QPaintEvent*) {
  if (blank_ || width() == 0) return;
  QPainter p(this);
  auto* tb = dynamic_cast<TCustomToolbarZ*>(parentWidget());
  const bool vertical = tb && DockTypeOf(tb->DockedTo()) == 2;
  QColor shadow = palette().color(QPalette::Dark), light = palette().color(QPalette::Light);
  if (vertical) {
    int y = height() / 2;
    p.setPen(shadow); p.drawLine(0, y - 1, width() - 1, y - 1);
    p.setPen(light); p.drawLine(0, y, width() - 1, y);
  } else {
    int x = width() / 2;
    p.setPen(shadow); p.drawLine(x - 1, 0, x - 1, height() - 1);
    p.setPen(light); p.drawLine(x, 0, x, height() - 1);
  }
}

}  // namespace tbz
