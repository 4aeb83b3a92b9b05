#pragma once
// A tool window whose content is an ordinary client area that keeps its size
// across docking and floating; sized by its frame while floating.
#include "toolbars/TBZ/TBZ.h"

namespace tbz {

class TToolWindowZ : public TCustomToolWindowZ {
 public:
  explicit TToolWindowZ(QWidget* parent);

  int ClientAreaWidth() const;
  void SetClientAreaWidth(int w);
  int ClientAreaHeight() const;
  void SetClientAreaHeight(int h);
  int MinClientWidth() const { return minClientWidth_; }
  void SetMinClientWidth(int v) { minClientWidth_ = v; }
  int MinClientHeight() const { return minClientHeight_; }
  void SetMinClientHeight(int v) { minClientHeight_ = v; }
  QSize StoredClientSize() const { return QSize(clientWidth_, clientHeight_); }

  int DockedSize(int dockType) const override { return dockType == 2 ? clientWidth_ : clientHeight_; }
  QSize MinimumClientSize() const override { return QSize(minClientWidth_, minClientHeight_); }
  QSize ArrangeClient(bool, int, TDockZ*) override { return QSize(clientWidth_, clientHeight_); }
  void SizeChanged(int width, int height) override;

  using ReadIntProc = std::function<int(const QString& section, const QString& key, int def)>;
  using WriteIntProc = std::function<void(const QString& section, const QString& key, int value)>;
  void ReadPositionData(const ReadIntProc& read);
  void WritePositionData(const WriteIntProc& write) const;

 private:
  QMargins frame() const;
  int clientWidth_ = 32, clientHeight_ = 32;
  int minClientWidth_ = 32, minClientHeight_ = 32;
};

}  // namespace tbz
