#pragma once
// Toolbar buttons: flat or raised push buttons with a glyph strip, a caption,
// grouping with a Down state, auto-repeat and drop-down menus.
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "toolbars/TBZUtils/TBZUtils.h"

class QMenu;

namespace tbz {

enum TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3, bsHot = 4 };
enum TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Image of the glyph strip shown for a state; -1 when the disabled image is to be generated.
int GlyphImageIndex(TButtonState state, int numGlyphs);
// Generated disabled look: the glyph's shape embossed in highlight and shadow.
QImage DisabledGlyph(const QImage& glyph, QRgb transparent, const QPalette& pal);

class TToolbarButtonZ : public QWidget, protected HookClient {
 public:
  using TButtonDropdownEvent = std::function<void(TToolbarButtonZ* sender, bool& showMenu, bool& removeClicks)>;
  using TNotifyEvent = std::function<void(TToolbarButtonZ* sender)>;

  explicit TToolbarButtonZ(QWidget* parent);
  ~TToolbarButtonZ() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v);
  bool Down() const { return down_; }
  void SetDown(bool v);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v);
  bool DropdownAlways() const { return dropdownAlways_; }
  void SetDropdownAlways(bool v) { dropdownAlways_ = v; update(); }
  bool DropdownArrow() const { return dropdownArrow_; }
  void SetDropdownArrow(bool v) { dropdownArrow_ = v; update(); }
  int DropdownArrowWidth() const { return dropdownArrowWidth_; }
  void SetDropdownArrowWidth(int v);
  bool DropdownCombo() const { return dropdownCombo_; }
  void SetDropdownCombo(bool v);
  QMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(QMenu* m) { dropdownMenu_ = m; update(); }
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { flat_ = v; update(); }
  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& g);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  int Margin() const { return margin_; }
  void SetMargin(int v) { if (v >= -1) { margin_ = v; update(); } }
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool v) { opaque_ = v; update(); }
  bool Repeating() const { return repeating_; }
  void SetRepeating(bool v) { repeating_ = v; }
  int RepeatDelay() const { return repeatDelay_; }
  void SetRepeatDelay(int v) { repeatDelay_ = v; }
  int RepeatInterval() const { return repeatInterval_; }
  void SetRepeatInterval(int v) { repeatInterval_ = v; }
  bool ShowBorderWhenInactive() const { return showBorderWhenInactive_; }
  void SetShowBorderWhenInactive(bool v) { showBorderWhenInactive_ = v; }
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c) { caption_ = c; update(); }
  TButtonDisplayMode DisplayMode() const { return displayMode_; }
  void SetDisplayMode(TButtonDisplayMode m) { displayMode_ = m; update(); }
  bool HighlightWhenDown() const { return highlightWhenDown_; }
  void SetHighlightWhenDown(bool v) { highlightWhenDown_ = v; update(); }
  bool NoBorder() const { return noBorder_; }
  void SetNoBorder(bool v) { noBorder_ = v; update(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v; update(); }
  const char* Version() const { return kToolbarVersion; }

  TButtonState State() const { return state_; }
  bool MouseInside() const { return mouseInside_; }
  bool HasDropdown() const { return dropdownAlways_ || dropdownMenu_; }
  // Whether a border is drawn in the current state.
  bool BorderShown() const;
  void Click();

  TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseExit;
  TButtonDropdownEvent OnDropdown;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;
  void hookNotice(HookKind kind, QObject* window, QEvent* event) override;

 private:
  void updateGroup();
  void mouseExit();
  void repeatTick();
  void dropdown();
  bool insideMain(QPoint p) const;
  void setState(TButtonState s);

  bool allowAllUp_ = false, down_ = false;
  int groupIndex_ = 0;
  bool dropdownAlways_ = false, dropdownArrow_ = true, dropdownCombo_ = false;
  int dropdownArrowWidth_ = 9;
  QPointer<QMenu> dropdownMenu_;
  bool flat_ = true, opaque_ = true, highlightWhenDown_ = true, noBorder_ = false;
  QImage glyph_;
  int numGlyphs_ = 1;
  int margin_ = -1, spacing_ = 4;
  bool repeating_ = false;
  int repeatDelay_ = 400, repeatInterval_ = 100;
  bool showBorderWhenInactive_ = false;
  QString caption_;
  TButtonDisplayMode displayMode_ = dmBoth;

  TButtonState state_ = bsUp;
  bool mouseInside_ = false, held_ = false, arrowPressed_ = false, inClick_ = false, menuOpen_ = false;
  QTimer repeatTimer_;
};

}  // namespace tbz
