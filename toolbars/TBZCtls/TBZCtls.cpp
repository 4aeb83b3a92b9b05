#include "toolbars/TBZCtls/TBZCtls.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "toolbars/TBZ/TBZ.h"

namespace tbz {

int GlyphImageIndex(TButtonState state, int numGlyphs) {
  int index = static_cast<int>(state);
  if (index < numGlyphs) return index;
  return state == bsDisabled ? -1 : 0;
}

QImage DisabledGlyph(const QImage& glyph, QRgb transparent, const QPalette& pal) {
  QImage src = glyph.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.width() + 1, src.height() + 1, QImage::Format_ARGB32);
  out.fill(pal.color(QPalette::Button));
  auto shape = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= src.width() || y >= src.height()) return false;
    QRgb c = src.pixel(x, y) | 0xFF000000u;
    return c != (transparent | 0xFF000000u) && c != 0xFFFFFFFFu && c != 0xFFC0C0C0u;
  };
  const QRgb light = pal.color(QPalette::Light).rgb(), dark = pal.color(QPalette::Dark).rgb();
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      if (shape(x - 1, y - 1)) out.setPixel(x, y, light);
      if (shape(x, y)) out.setPixel(x, y, dark);
    }
  return out;
}

TToolbarButtonZ::TToolbarButtonZ(QWidget* parent) : QWidget(parent) {
  resize(23, 22);
  setMouseTracking(true);
  repeatTimer_.setSingleShot(false);
  QObject::connect(&repeatTimer_, &QTimer::timeout, this, [this] { repeatTick(); });
  RegisterHookProc(this, hookBit(HookKind::AppActivation) | hookBit(HookKind::MouseMoved));
  show();
}

TToolbarButtonZ::~TToolbarButtonZ() { UnregisterHookProc(this); }

void TToolbarButtonZ::setState(TButtonState s) {
  if (state_ == s) return;
  state_ = s;
  update();
}

void TToolbarButtonZ::SetDown(bool v) {
  if (groupIndex_ == 0) v = false;
  if (v == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = v;
  setState(!isEnabled() ? bsDisabled : v ? bsExclusive : bsUp);
  update();
  if (v) updateGroup();
}

void TToolbarButtonZ::SetAllowAllUp(bool v) {
  allowAllUp_ = v;
  updateGroup();
}

void TToolbarButtonZ::SetGroupIndex(int v) {
  groupIndex_ = v;
  if (v == 0) down_ = false;
  updateGroup();
}

// One button of a group is down at a time; the group shares AllowAllUp.
void TToolbarButtonZ::updateGroup() {
  if (groupIndex_ == 0 || !parentWidget()) return;
  for (QObject* o : parentWidget()->children()) {
    auto* b = dynamic_cast<TToolbarButtonZ*>(o);
    if (!b || b == this || b->groupIndex_ != groupIndex_) continue;
    if (down_ && b->down_) {
      b->down_ = false;
      b->setState(b->isEnabled() ? bsUp : bsDisabled);
    }
    b->allowAllUp_ = allowAllUp_;
  }
}

void TToolbarButtonZ::SetDropdownArrowWidth(int v) {
  v = std::max(v, 7);
  if (dropdownCombo_) resize(std::max(1, width() + v - dropdownArrowWidth_), height());
  dropdownArrowWidth_ = v;
  update();
}

void TToolbarButtonZ::SetDropdownCombo(bool v) {
  if (v == dropdownCombo_) return;
  dropdownCombo_ = v;
  resize(std::max(1, width() + (v ? 1 : -1) * (dropdownArrowWidth_ + 2)), height());
}

void TToolbarButtonZ::SetGlyph(const QImage& g) {
  glyph_ = g;
  if (!g.isNull() && g.height() > 0 && g.width() % g.height() == 0 && g.width() / g.height() < 6)
    numGlyphs_ = std::max(1, g.width() / g.height());
  else
    numGlyphs_ = 1;
  update();
}

void TToolbarButtonZ::SetNumGlyphs(int n) {
  numGlyphs_ = std::clamp(n, 1, 5);
  update();
}

bool TToolbarButtonZ::BorderShown() const {
  if (noBorder_) return false;
  const bool pushed = state_ == bsDown || state_ == bsExclusive;
  if (!flat_) return true;
  return pushed || (mouseInside_ && state_ != bsDisabled);
}

bool TToolbarButtonZ::insideMain(QPoint p) const {
  if (!rect().contains(p)) return false;
  return !(dropdownCombo_ && HasDropdown() && p.x() >= width() - dropdownArrowWidth_ - 2);
}

void TToolbarButtonZ::enterEvent(QEnterEvent*) {
  if (!showBorderWhenInactive_ && QGuiApplication::applicationState() != Qt::ApplicationActive) return;
  mouseInside_ = true;
  if (state_ == bsUp && isEnabled()) setState(bsHot);
  update();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TToolbarButtonZ::leaveEvent(QEvent*) { mouseExit(); }

void TToolbarButtonZ::mouseExit() {
  if (!mouseInside_) return;
  mouseInside_ = false;
  if (state_ == bsHot || (state_ == bsDown && !held_ && !inClick_)) setState(down_ ? bsExclusive : bsUp);
  update();
  if (OnMouseExit) OnMouseExit(this);
}

void TToolbarButtonZ::hookNotice(HookKind kind, QObject* window, QEvent*) {
  if (kind == HookKind::AppActivation) {
    if (!showBorderWhenInactive_ && QGuiApplication::applicationState() != Qt::ApplicationActive) mouseExit();
  } else if (kind == HookKind::MouseMoved && mouseInside_ && window != this && !held_) {
    mouseExit();
  }
}

void TToolbarButtonZ::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) setState(!isEnabled() ? bsDisabled : down_ ? bsExclusive : bsUp);
  QWidget::changeEvent(e);
}

void TToolbarButtonZ::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return QWidget::mousePressEvent(e);
  const QPoint p = e->position().toPoint();
  arrowPressed_ = HasDropdown() && (!dropdownCombo_ || p.x() >= width() - dropdownArrowWidth_ - 2);
  if (!down_ || allowAllUp_) setState(bsDown);
  held_ = !arrowPressed_;
  if (arrowPressed_) {
    Click();
  } else if (repeating_) {
    Click();
    repeatTimer_.start(repeatDelay_);
  }
}

void TToolbarButtonZ::repeatTick() {
  repeatTimer_.setInterval(repeatInterval_);
  if (held_ && state_ == bsDown && (OnClick)) OnClick(this);
  else if (!held_) repeatTimer_.stop();
}

void TToolbarButtonZ::mouseMoveEvent(QMouseEvent* e) {
  if (!held_) return;
  const bool inside = insideMain(e->position().toPoint());
  setState(down_ && !allowAllUp_ ? bsExclusive : inside ? bsDown : (down_ ? bsExclusive : bsUp));
}

void TToolbarButtonZ::mouseReleaseEvent(QMouseEvent* e) {
  repeatTimer_.stop();
  if (e->button() == Qt::RightButton) held_ = false;
  if (e->button() != Qt::LeftButton) return;
  const bool wasHeld = held_;
  held_ = false;
  if (arrowPressed_) return;
  if (wasHeld && !repeating_ && insideMain(e->position().toPoint())) {
    Click();
  } else {
    setState(down_ ? bsExclusive : (mouseInside_ ? bsHot : bsUp));
  }
}

void TToolbarButtonZ::mouseDoubleClickEvent(QMouseEvent* e) {
  if (down_ && OnDblClick) OnDblClick(this);
  else mousePressEvent(e);
}

void TToolbarButtonZ::Click() {
  if (repeating_ && held_) {
    if (OnClick) OnClick(this);
    return;
  }
  inClick_ = true;
  if (groupIndex_ != 0 && !arrowPressed_) SetDown(!down_);
  setState(bsDown);
  if (HasDropdown() && (!dropdownCombo_ || arrowPressed_)) {
    if (!dropdownCombo_ && OnClick) OnClick(this);
    dropdown();
  } else {
    if (OnClick) OnClick(this);
  }
  inClick_ = false;
  arrowPressed_ = false;
  if (!menuOpen_) setState(!isEnabled() ? bsDisabled : down_ ? bsExclusive : (mouseInside_ ? bsHot : bsUp));
}

void TToolbarButtonZ::dropdown() {
  bool showMenu = dropdownMenu_ != nullptr, removeClicks = true;
  if (OnDropdown) OnDropdown(this, showMenu, removeClicks);
  if (!showMenu || !dropdownMenu_) return;
  // Below the button; beside it in a left or right dock.
  QPoint at = mapToGlobal(QPoint(0, height()));
  TDockZ* dock = nullptr;
  for (QWidget* p = parentWidget(); p && !dock; p = p->parentWidget()) dock = dynamic_cast<TDockZ*>(p);
  if (dock && dock->Position() == dpLeft) at = mapToGlobal(QPoint(width(), 0));
  if (dock && dock->Position() == dpRight) at = mapToGlobal(QPoint(0, 0)) - QPoint(dropdownMenu_->sizeHint().width(), 0);
  menuOpen_ = true;
  QPointer<TToolbarButtonZ> self(this);
  QObject::connect(dropdownMenu_, &QMenu::aboutToHide, this, [self] {
    if (!self) return;
    self->menuOpen_ = false;
    self->setState(!self->isEnabled() ? bsDisabled : self->down_ ? bsExclusive : bsUp);
  }, Qt::SingleShotConnection);
  dropdownMenu_->popup(at);
}

void TToolbarButtonZ::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  if (opaque_ || !flat_) p.fillRect(rect(), pal.color(QPalette::Button));
  const bool pushed = state_ == bsDown || state_ == bsExclusive;
  QRect main = rect();
  const bool combo = dropdownCombo_ && HasDropdown();
  if (combo) main.setWidth(width() - dropdownArrowWidth_ - 2);
  auto edge = [&](QRect r, bool sunk) {
    p.setPen(pal.color(sunk ? QPalette::Dark : QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pal.color(sunk ? QPalette::Light : QPalette::Dark));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
  };
  if (BorderShown()) {
    edge(main.adjusted(0, 0, -1, -1), pushed && !(combo && arrowPressed_));
    if (combo) edge(QRect(main.right() + 1, 0, dropdownArrowWidth_ + 2, height()).adjusted(0, 0, -1, -1), arrowPressed_);
  }
  if (pushed && state_ == bsExclusive && highlightWhenDown_ && !(flat_ && mouseInside_))
    p.fillRect(main.adjusted(1, 1, -1, -1), QBrush(pal.color(QPalette::Light), Qt::Dense4Pattern));
  const QPoint shift = pushed ? QPoint(1, 1) : QPoint(0, 0);
  const int a = dropdownArrow_ && !combo && HasDropdown() ? dropdownArrowWidth_ : 0;
  int gw = 0, gh = 0;
  QImage image;
  if (!glyph_.isNull() && displayMode_ != dmTextOnly) {
    gw = glyph_.width() / numGlyphs_;
    gh = glyph_.height();
    int index = GlyphImageIndex(state_, numGlyphs_);
    QRgb key = glyph_.pixel(0, gh - 1);
    if (index < 0) {
      image = DisabledGlyph(glyph_.copy(0, 0, gw, gh), key, pal);
    } else {
      image = glyph_.copy(index * gw, 0, gw, gh).convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if ((image.pixel(x, y) | 0xFF000000u) == (key | 0xFF000000u)) image.setPixel(x, y, 0);
    }
  }
  const QString text = displayMode_ == dmGlyphOnly ? QString() : caption_;
  const int cw = text.isEmpty() ? 0 : p.fontMetrics().horizontalAdvance(text);
  const int spacing = (gw && cw) ? std::max(spacing_, 0) : 0;
  const int total = gw + spacing + cw + a;
  const int x0 = margin_ >= 0 ? margin_ : (main.width() - total + 1) / 2;
  if (!image.isNull()) p.drawImage(QPoint(x0, (height() - gh + 1) / 2) + shift, image);
  if (cw) {
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(QRect(x0 + gw + spacing, 0, cw, height()).translated(shift), Qt::AlignVCenter | Qt::TextSingleLine, text);
  }
  auto arrow = [&](int cx, int cy) {
    p.setPen(Qt::NoPen);
    p.setBrush(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QPoint tri[3] = {QPoint(cx - 2, cy), QPoint(cx + 2, cy), QPoint(cx, cy + 2)};
    p.drawPolygon(tri, 3);
  };
  if (a) arrow(x0 + gw + spacing + cw + a / 2 + 1 + shift.x(), height() / 2 - 1 + shift.y());
  if (combo) arrow(main.right() + 1 + (dropdownArrowWidth_ + 2) / 2, height() / 2 - 1);
}

}  // namespace tbz
