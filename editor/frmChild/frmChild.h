#pragma once
// The document window: a "Visual" page with the zoomed level in a scroll box
// between its rulers, and a "Texto" page with the file as coloured text. Its
// logic is TChildView; this window only shows it and forwards the mouse.
#include <QWidget>
#include <filesystem>
#include <vector>

#include "editor/frmChild/child_view.h"
#include "editor/frmMain/document_window.h"

class QMdiSubWindow;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QTextEdit;
class TPaintBox;
class TRuler;

class TfmChild : public QWidget, public TDocumentWindowSeam {
 public:
  // popup is the main window's object menu, shown by the right button.
  TfmChild(TChildHost& host, std::filesystem::path programFolder, int windowCount, QMenu* popup, QWidget* parent = nullptr);
  ~TfmChild() override;

  TChildView& View() { return view_; }
  void SetSubWindow(QMdiSubWindow* sub) { sub_ = sub; }
  QMdiSubWindow* SubWindow() const { return sub_; }

  // Designed components the main window and tests reach.
  QTabBar* tsMode = nullptr;
  QStackedWidget* nbMode = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  TPaintBox* Pb = nullptr;
  TRuler* HRuler = nullptr;
  TRuler* VRuler = nullptr;
  QWidget* HVRuler = nullptr;
  QTextEdit* mmFile = nullptr;
  QWidget* PbWidget() const;
  // The panels, rulers and scroll box around the paint box: moving over them
  // hides the hint window.
  std::vector<QWidget*> HintHiders() const;

  // Arming follows the palette: the cross cursor while a kind is armed.
  void ArmKind(int kind);
  void Disarm();

  // TDocumentWindowSeam
  TDocument& Document() override { return view_.Doc; }
  std::string Caption() const override { return view_.Caption; }
  void UpdateFileCaption() override;
  void InitLevelView() override { initView(DocLevel); }
  void InitWorldView() override { initView(DocWorldMap); }
  void ShowAsGame() override;
  void CommitText() override;
  void Render() override;
  void Repaint() override { view_.Repaint(); }
  void UpdateStatus() override { view_.UpdateStatus(); }
  void SetGridVisible(bool visible) override;
  void SetZoom(double zoom) override { view_.SetZoom(zoom); }
  void SelectTab(int tab) override;
  void SetWindowState(TDocWindowState state) override;
  bool HasSelection() const override { return view_.SelectedIndex >= 0; }
  void DeleteSelected() override { view_.DeleteSelected(); }
  void DeleteAll() override { view_.DeleteAll(); }
  void BringToFront() override { view_.BringToFront(); }
  void SendToBack() override { view_.SendToBack(); }

 private:
  void initView(TDocKind kind);
  void layoutBox();
  void showText();

  TChildView view_;
  QMdiSubWindow* sub_ = nullptr;
  bool showingText_ = false;
};
