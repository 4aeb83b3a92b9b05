#pragma once
// Toolbars: tool windows holding a line of controls split into groups by separators.
#include <QWidget>
#include <vector>

#include "toolbars/TBZ/TBZ.h"
#include "toolbars/TBZTlbr/toolbar_layout.h"

namespace tbz {

class TCustomToolbarZ : public TCustomToolWindowZ {
 public:
  explicit TCustomToolbarZ(QWidget* parent);

  int FloatRightX() const { return floatRightX_; }
  void SetFloatRightX(int v);
  // Controls in layout order; a control added later goes to the end.
  const std::vector<QWidget*>& OrderList() const { return order_; }
  const std::vector<SeparatorLine>& SeparatorLines() const { return lines_; }
  // Sorts the order list by the controls' positions (as after loading a form).
  void SortOrderByPosition();

  int DockedSize(int dockType) const override;
  QSize ArrangeClient(bool canMove, int oldDockType, TDockZ* newDock) override;

  // Position data: the wrap width stored under the toolbar's name.
  using ReadIntProc = std::function<int(const QString& section, const QString& key, int def)>;
  using WriteIntProc = std::function<void(const QString& section, const QString& key, int value)>;
  void ReadPositionData(const ReadIntProc& read);
  void WritePositionData(const WriteIntProc& write) const;

  // Window sizes the floating toolbar offers while the user sizes it (widest first).
  const std::vector<QSize>& SizingSteps() const { return sizes_; }

 protected:
  void childEvent(QChildEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent*) override;
  bool ChildTransparentForDrag(QWidget* child) const override;
  void BeginSizing(int kind) override;
  void EndSizing(bool accepted) override;
  void SizingChanging(QRect& rect) override;

 private:
  std::vector<ToolbarItem> items(std::vector<QWidget*>& controls, int dockType) const;
  int floatRightX_ = 0;
  std::vector<QWidget*> order_;
  std::vector<SeparatorLine> lines_;
  int sizingKind_ = -1;
  std::vector<QSize> sizes_;
  int chosenFloatRightX_ = 0;
  int snap_ = 12;
  bool firstChange_ = false;
  bool lastGrowing_ = false;
  QSize oneLineSize_;
  int relayout_ = 0;
};

class TToolbarZ : public TCustomToolbarZ {
 public:
  explicit TToolbarZ(QWidget* parent);
};

class TToolbarSepZ : public QWidget {
 public:
  explicit TToolbarSepZ(QWidget* toolbar);

  bool Blank() const { return blank_; }
  void SetBlank(bool v) { blank_ = v; update(); }
  int SizeHorz() const { return sizeHorz_; }
  void SetSizeHorz(int v);
  int SizeVert() const { return sizeVert_; }
  void SetSizeVert(int v);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool blank_ = false;
  int sizeHorz_ = 6, sizeVert_ = 6;
};

}  // namespace tbz
