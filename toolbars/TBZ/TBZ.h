#pragma once
// Docks on the edges of a form and the tool windows that dock in them, float above
// the form and move between the two by dragging.
#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "toolbars/TBZ/dock_layout.h"
#include "toolbars/TBZUtils/TBZUtils.h"

#include <QMenu>
class QRubberBand;

namespace tbz {

enum TDockPosition { dpTop, dpBottom, dpLeft, dpRight };
using TDockableTo = unsigned;  // bit (1 << TDockPosition)
constexpr TDockableTo kDockableToAll = 0xF;
enum TDockBoundLine { blTop = 1, blBottom = 2, blLeft = 4, blRight = 8 };
using TDockBoundLines = unsigned;
enum TToolWindowDockMode { dmCanFloat, dmCannotFloat, dmCannotFloatOrChangeDocks };
enum TDragHandleStyle { dhDouble, dhNone, dhSingle };
enum TToolWindowFloatingMode { fmOnTopOfParentForm, fmOnTopOfAllForms };
enum TBorderStyleZ { bsNone, bsSingle };

class TCustomToolWindowZ;

// Dock type: 0 floating, 1 horizontal (top, bottom), 2 vertical (left, right).
class TDockZ;
int DockTypeOf(const TDockZ* dock);

class TDockZ : public QWidget {
 public:
  using TInsertRemoveEvent = std::function<void(TDockZ* sender, bool inserting, TCustomToolWindowZ* bar)>;
  using TRequestDockEvent = std::function<void(TDockZ* sender, TCustomToolWindowZ* bar, bool& accept)>;

  explicit TDockZ(QWidget* parent, TDockPosition position = dpTop);
  ~TDockZ() override;

  bool AllowDrag() const { return allowDrag_; }
  void SetAllowDrag(bool v);
  const QImage& Background() const { return background_; }
  void SetBackground(const QImage& image);
  bool BackgroundOnToolbars() const { return backgroundOnToolbars_; }
  void SetBackgroundOnToolbars(bool v);
  bool BackgroundTransparent() const { return backgroundTransparent_; }
  void SetBackgroundTransparent(bool v);
  TDockBoundLines BoundLines() const { return boundLines_; }
  void SetBoundLines(TDockBoundLines v);
  QColor Color() const { return color_; }
  void SetColor(const QColor& c);
  bool FixAlign() const { return fixAlign_; }
  void SetFixAlign(bool v);
  bool LimitToOneRow() const { return limitToOneRow_; }
  void SetLimitToOneRow(bool v);
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
  TDockPosition Position() const { return position_; }
  void SetPosition(TDockPosition p);
  const char* Version() const { return kToolbarVersion; }
  bool Vertical() const { return position_ == dpLeft || position_ == dpRight; }

  using TMouseEvent =
      std::function<void(TDockZ* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
  using TMouseMoveEvent = std::function<void(TDockZ* sender, Qt::KeyboardModifiers shift, int x, int y)>;

  TInsertRemoveEvent OnInsertRemoveBar;
  TRequestDockEvent OnRequestDock;
  std::function<void(TDockZ*)> OnResize;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // Used by the tool windows.
  void BeginUpdate();
  void EndUpdate();
  void ArrangeToolbars(bool commit = false);
  void AddToWindowList(TCustomToolWindowZ* w);
  void RemoveFromWindowList(TCustomToolWindowZ* w);
  void ChangeVisibleList(TCustomToolWindowZ* w, bool add, bool force = false);
  int HighestRow() const;
  int GetRowSize(int row, TCustomToolWindowZ* w) const;
  int RowSearch(int position, bool& before) const;
  void InsertRow(int row);
  int OthersInRow(int row, TCustomToolWindowZ* except) const;
  const std::vector<TCustomToolWindowZ*> WindowList() const;
  const std::vector<TCustomToolWindowZ*> VisibleList() const;
  const std::vector<int>& RowSizes() const { return rowSizes_; }
  QMargins NonClient() const;
  int InnerLength() const;
  // Tiles the background over area of target, continuing the dock parent's pattern.
  bool HasBackground() const { return !background_.isNull() && background_.width() > 0 && background_.height() > 0; }
  void PaintBackground(QPainter& p, QWidget* target, const QRect& area);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void moveEvent(QMoveEvent*) override;
  void changeEvent(QEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void contextMenuEvent(QContextMenuEvent*) override;

 private:
  friend class TCustomToolWindowZ;
  void setThickness(int across);
  void backgroundChanged();
  void recalcFrames();
  const QImage& tileImage();

  bool allowDrag_ = true;
  QImage background_;
  QImage cachedTransparent_;
  bool backgroundOnToolbars_ = true;
  bool backgroundTransparent_ = false;
  TDockBoundLines boundLines_ = 0;
  QColor color_;
  bool fixAlign_ = false;
  bool limitToOneRow_ = false;
  QPointer<QMenu> popupMenu_;
  TDockPosition position_ = dpTop;
  std::vector<QPointer<TCustomToolWindowZ>> windowList_;
  std::vector<QPointer<TCustomToolWindowZ>> visibleList_;
  std::vector<int> rowSizes_;
  int disableArrange_ = 0;
  bool arrangeNeeded_ = false;
  bool commitPending_ = false;
  int insertOrder_ = 0;
};

class TCustomToolWindowZ : public QWidget, protected HookClient {
 public:
  using TDockChangingExEvent = std::function<void(TCustomToolWindowZ* sender, TDockZ* dockingTo)>;
  using TNotifyEvent = std::function<void(TCustomToolWindowZ* sender)>;
  using TCloseQueryEvent = std::function<void(TCustomToolWindowZ* sender, bool& canClose)>;

  // parent: a TDockZ (docked) or a form (floating over it).
  explicit TCustomToolWindowZ(QWidget* parent);
  ~TCustomToolWindowZ() override;

  bool ActivateParent() const { return activateParent_; }
  void SetActivateParent(bool v) { activateParent_ = v; }
  TBorderStyleZ BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyleZ v);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c);
  QColor Color() const { return color_; }
  void SetColor(const QColor& c) { color_ = c; update(); }
  bool CloseButton() const { return closeButton_; }
  void SetCloseButton(bool v) { closeButton_ = v; update(); }
  bool CloseButtonWhenDocked() const { return closeButtonWhenDocked_; }
  void SetCloseButtonWhenDocked(bool v);
  TDockZ* DefaultDock() const { return defaultDock_; }
  void SetDefaultDock(TDockZ* d) { defaultDock_ = d; }
  TDockableTo DockableTo() const { return dockableTo_; }
  void SetDockableTo(TDockableTo v) { dockableTo_ = v; }
  TDockZ* DockedTo() const { return dockedTo_; }
  void SetDockedTo(TDockZ* dock);
  TToolWindowDockMode DockMode() const { return dockMode_; }
  void SetDockMode(TToolWindowDockMode m) { dockMode_ = m; }
  int DockPos() const { return slot_.dockPos; }
  void SetDockPos(int v);
  int DockRow() const { return slot_.dockRow; }
  void SetDockRow(int v);
  TDragHandleStyle DragHandleStyle() const { return dragHandleStyle_; }
  void SetDragHandleStyle(TDragHandleStyle s);
  TToolWindowFloatingMode FloatingMode() const { return floatingMode_; }
  void SetFloatingMode(TToolWindowFloatingMode m);
  bool FullSize() const { return slot_.fullSize; }
  void SetFullSize(bool v);
  bool HideWhenInactive() const { return hideWhenInactive_; }
  void SetHideWhenInactive(bool v);
  TDockZ* LastDock() const { return lastDock_; }
  void SetLastDock(TDockZ* dock);
  bool Resizable() const { return resizable_; }
  void SetResizable(bool v);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool v);
  bool UseLastDock() const { return useLastDock_; }
  void SetUseLastDock(bool v);
  const char* Version() const { return kToolbarVersion; }
  bool Docked() const { return dockedTo_ != nullptr; }
  QWidget* OwnerForm() const { return ownerForm_; }
  QPoint FloatingPosition() const { return floatingPos_; }
  void SetFloatingPosition(QPoint p) { floatingPos_ = p; if (!Docked()) move(p); }
  // Visible as set by the owner; a floating window may be hidden meanwhile.
  bool Visible() const { return userVisible_; }
  void setVisible(bool visible) override;

  TNotifyEvent OnClose, OnDockChanged, OnDockChanging, OnMove, OnRecreated, OnRecreating, OnResize,
      OnVisibleChanged;
  TDockChangingExEvent OnDockChangingEx, OnDockChangingHidden;
  TCloseQueryEvent OnCloseQuery;

  // Thickness across a dock of the given type.
  virtual int DockedSize(int dockType) const = 0;
  virtual QSize MinimumClientSize() const { return QSize(0, 0); }
  // Client size the content needs for newDock (nullptr: floating); places the children with canMove.
  virtual QSize ArrangeClient(bool canMove, int oldDockType, TDockZ* newDock) = 0;
  // The window size changed other than through the dock layout.
  virtual void SizeChanged(int /*width*/, int /*height*/) {}

  // Non-client margins for a dock type (the dock's AllowDrag adds the handle).
  QMargins NonClientFor(TDockZ* dock) const;
  int DragHandleThickness() const;
  QRect CloseButtonRect() const;  // in window coordinates, empty when none
  // Starts dragging the window from a point in its client coordinates, as a left
  // press in its drag area does; the drag ends on release, Esc or another press.
  void RunDragLoop(int x, int y);
  // Docks of further forms that a drag may land in, after the owner form's own.
  void AddDockForm(QWidget* form);
  void RemoveDockForm(QWidget* form);
  void Rearrange();               // re-lays the content and resizes to it
  void BeginUpdate() { ++disableOrder_; }
  void EndUpdate();
  int SlotOrder() const { return slot_.order; }
  DockSlot& Slot() { return slot_; }
  bool Dragging() const { return dragging_; }
  bool Sizing() const { return sizingKind_ >= 0; }

 protected:
  // Docks or floats the new window; concrete kinds call it at the end of their constructor,
  // once their sizes can be asked for.
  void PlaceOn(QWidget* parent);
  // Behaviour switches of the kind of window.
  bool eightDirectionSizing_ = true, clipCursor_ = true;

  // A press on a transparent child starts a drag as on the window itself.
  virtual bool ChildTransparentForDrag(QWidget* /*child*/) const { return false; }
  virtual void BeginSizing(int /*kind*/) {}
  virtual void EndSizing(bool /*accepted*/) {}
  virtual void SizingChanging(QRect& /*rect*/) {}

  bool event(QEvent*) override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void moveEvent(QMoveEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void hookNotice(HookKind kind, QObject* window, QEvent* event) override;

  int floatingFrame() const { return resizable_ ? kSizeFrame : kFixedFrame; }
  void paintDockedFrame(QPainter& p);
  void paintFloatingFrame(QPainter& p);

 private:
  friend class TDockZ;
  void dockTo(TDockZ* dock);  // nullptr floats onto the owner form
  void updateMargins();
  void updateFloatingVisibility();
  bool floatingShouldShow() const;
  // Where a floating window's activation goes: its form, or while it is hidden
  // the first visible, enabled window of the application (not topmost ones first).
  QWidget* activationTarget() const;
  void setBoundsFromDock(const QRect& r);
  int hitTestFloating(QPoint p) const;  // sizing kind 0..7, or -1
  void startDrag(QPoint globalPos);
  void dragMove(QPoint globalPos, bool ctrl);
  void endDrag(bool accept);
  void finishMove(TDockZ* target, QRect rect);
  void startSizing(int kind, QPoint globalPos);
  void sizingMove(QPoint globalPos);
  void endSizingLoop(bool accept);
  void collectDocks(QWidget* root, std::vector<TDockZ*>& out);
  QRect floatingCaptionRect() const;
  void cancelLoop();

  bool activateParent_ = true;
  TBorderStyleZ borderStyle_ = bsSingle;
  QString caption_;
  QColor color_;
  bool closeButton_ = true, closeButtonWhenDocked_ = false;
  QPointer<TDockZ> defaultDock_, dockedTo_, lastDock_;
  TDockableTo dockableTo_ = kDockableToAll;
  TToolWindowDockMode dockMode_ = dmCanFloat;
  TDragHandleStyle dragHandleStyle_ = dhDouble;
  TToolWindowFloatingMode floatingMode_ = fmOnTopOfParentForm;
  bool hideWhenInactive_ = true, resizable_ = true, showCaption_ = true, useLastDock_ = true;
  bool userVisible_ = true;
  QPointer<QWidget> ownerForm_;
  std::vector<QPointer<QWidget>> extraForms_;
  QPoint floatingPos_;
  DockSlot slot_;
  int lastDockType_ = -1;
  int updatingBounds_ = 0, disableOrder_ = 0, hideSuspend_ = 0, reparenting_ = 0;
  bool arrangePending_ = false;
  bool closePressed_ = false, closeTracking_ = false;

  // Drag loop state.
  bool dragging_ = false, noDock_ = false;
  QPoint grab_;
  QSize reference_;
  std::vector<QPointer<TDockZ>> candidates_;
  std::vector<QSize> targetSizes_;
  QSize floatSize_;
  QPointer<TDockZ> dragTarget_;
  QRect dragRect_;
  std::unique_ptr<QRubberBand> outline_;
  // Sizing loop state.
  int sizingKind_ = -1;
  QPoint sizingStart_;
  QRect sizingStartRect_, sizingRect_;
};

}  // namespace tbz
