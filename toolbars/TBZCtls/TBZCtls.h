#pragma once
// Toolbar buttons: flat or raised push buttons with a glyph strip, a caption,
// grouping with a Down state, auto-repeat and drop-down menus.
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "toolbars/TBZCtls/button_glyph.h"
#include "toolbars/TBZCtls/button_types.h"
#include "toolbars/TBZCtls/dropdown_list.h"
#include "toolbars/TBZUtils/TBZUtils.h"

class QMenu;
class QShortcut;

namespace tbz {

class TToolbarButtonZ : public QWidget, protected HookClient {
 public:
  using TButtonDropdownEvent = std::function<void(TToolbarButtonZ* sender, bool& showMenu, bool& removeClicks)>;
  using TNotifyEvent = std::function<void(TToolbarButtonZ* sender)>;

  explicit TToolbarButtonZ(QWidget* parent);
  ~TToolbarButtonZ() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; update(); }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v);
  // Esc / Enter on the window click the button.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; }
  // The face colour; the palette's button colour until one is set.
  QColor Color() const;
  void SetColor(const QColor& c);
  bool Down() const { return down_; }
  void SetDown(bool v);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v);
  bool DropdownAlways() const { return dropdownAlways_; }
  void SetDropdownAlways(bool v) { dropdownAlways_ = v; update(); }
  bool DropdownArrow() const { return dropdownArrow_; }
  void SetDropdownArrow(bool v) { dropdownArrow_ = v; update(); }
  int DropdownArrowWidth() const { return dropdownArrowWidth_; }
  // At least 7; a combo button's width follows the change.
  void SetDropdownArrowWidth(int v);
  bool DropdownCombo() const { return dropdownCombo_; }
  // A combo button is DropdownArrowWidth + 2 wider than a plain one.
  void SetDropdownCombo(bool v);
  QMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(QMenu* m);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  const QImage& Glyph() const { return glyph_.Glyph(); }
  // Also sets NumGlyphs from the strip (width / height when that is 1..5).
  void SetGlyph(const QImage& g) { glyph_.SetGlyph(g); }
  const QImage& GlyphMask() const { return glyph_.GlyphMask(); }
  void SetGlyphMask(const QImage& m) { glyph_.SetGlyphMask(m); }
  TImageList* Images() const { return glyph_.Images(); }
  void SetImages(TImageList* images) { glyph_.SetImages(images); }
  int ImageIndex() const { return glyph_.ImageIndex(); }
  void SetImageIndex(int index) { glyph_.SetImageIndex(index); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v) { layout_ = v; update(); }
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int n) { glyph_.SetNumGlyphs(n); }
  bool OldDisabledStyle() const { return glyph_.OldDisabledStyle(); }
  void SetOldDisabledStyle(bool v) { glyph_.SetOldDisabledStyle(v); }
  int Margin() const { return margin_; }
  void SetMargin(int v) { if (v >= -1) { margin_ = v; update(); } }
  // Given to the window's dialog when the button is clicked (not for drop-downs).
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult v) { modalResult_ = v; }
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool v);
  bool Repeating() const { return repeating_; }
  void SetRepeating(bool v) { repeating_ = v; }
  int RepeatDelay() const { return repeatDelay_; }
  void SetRepeatDelay(int v) { repeatDelay_ = v; }
  int RepeatInterval() const { return repeatInterval_; }
  void SetRepeatInterval(int v) { repeatInterval_ = v; }
  bool ShowBorderWhenInactive() const { return showBorderWhenInactive_; }
  void SetShowBorderWhenInactive(bool v) { showBorderWhenInactive_ = v; }
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c);
  TButtonDisplayMode DisplayMode() const { return displayMode_; }
  void SetDisplayMode(TButtonDisplayMode m) { displayMode_ = m; update(); }
  bool HighlightWhenDown() const { return highlightWhenDown_; }
  void SetHighlightWhenDown(bool v) { highlightWhenDown_ = v; update(); }
  bool NoBorder() const { return noBorder_; }
  void SetNoBorder(bool v) { noBorder_ = v; update(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v; update(); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; update(); }
  const char* Version() const { return kToolbarVersion; }

  TButtonState State() const { return state_; }
  bool MouseInside() const { return mouseInside_; }
  bool HasDropdown() const { return dropdownAlways_ || dropdownMenu_; }
  // Whether the main part is drawn pushed, and whether a border is drawn, now.
  bool Pushed() const;
  bool BorderShown() const;
  TButtonGlyph& ButtonGlyph() { return glyph_; }
  void Click();

  // The button the mouse is over, watched by the shared timer; nullptr when none.
  static TToolbarButtonZ* HotButton();
  static bool HotTimerActive();

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
  void hideEvent(QHideEvent*) override;
  void changeEvent(QEvent*) override;
  bool event(QEvent*) override;
  void hookNotice(HookKind kind, QObject* window, QEvent* event) override;

 private:
  class KeyFilter;
  friend class KeyFilter;

  void updateGroup();
  void mouseEntered();
  void mouseExit();
  void hotTick();
  void repeatTick();
  // The mouse is no longer this button's: another window took it or the
  // button was released elsewhere. Ends the held state and the repeat.
  void captureLost();
  bool mouseCaptured() const;
  bool stillHeld() const;
  void dropdown();
  void removeClicksAfterMenu();
  bool insideMain(QPoint p) const;
  bool comboShown() const { return dropdownCombo_ && HasDropdown(); }
  void setState(TButtonState s);
  TButtonState restState() const;
  void paintButton(QPainter& p);
  void watchWindowKeys();
  // Enter, Esc or the caption's accelerator pressed on the window; true when it clicked.
  bool windowKey(int key, Qt::KeyboardModifiers mods, const QString& text);
  bool acceleratorUsable() const;

  TAlignment alignment_ = taCenter;
  bool allowAllUp_ = false, down_ = false, cancel_ = false, default_ = false;
  std::optional<QColor> color_;
  int groupIndex_ = 0;
  bool dropdownAlways_ = false, dropdownArrow_ = true, dropdownCombo_ = false;
  int dropdownArrowWidth_ = 9;
  QPointer<QMenu> dropdownMenu_;
  bool flat_ = true, opaque_ = true, highlightWhenDown_ = true, noBorder_ = false, wordWrap_ = false;
  TButtonGlyph glyph_;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1, spacing_ = 4;
  TModalResult modalResult_ = mrNone;
  bool repeating_ = false;
  int repeatDelay_ = 400, repeatInterval_ = 100;
  bool showBorderWhenInactive_ = false;
  QString caption_;
  TButtonDisplayMode displayMode_ = dmBoth;

  TButtonState state_ = bsUp;
  bool mouseInside_ = false, held_ = false, arrowPressed_ = false, inClick_ = false, menuOpen_ = false;
  QTimer repeatTimer_;
  std::unique_ptr<KeyFilter> keyFilter_;
  QShortcut* altAccelerator_ = nullptr;  // Alt + the caption's accelerator
};

}  // namespace tbz
