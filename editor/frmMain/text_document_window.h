#pragma once
// A plain document window: the document's text in an editor page. It stands in
// for the full document window until that one can be hosted here.
#include <QPlainTextEdit>
#include <QWidget>

#include "editor/frmMain/document_window.h"

class QMdiSubWindow;

class TTextDocumentWindow : public QWidget, public TDocumentWindowSeam {
 public:
  TTextDocumentWindow(std::string caption, QWidget* parent = nullptr);

  void SetSubWindow(QMdiSubWindow* sub) { sub_ = sub; }
  QMdiSubWindow* SubWindow() const { return sub_; }
  QPlainTextEdit& TextEdit() { return text_; }

  TDocument& Document() override { return doc_; }
  std::string Caption() const override { return caption_; }
  void UpdateFileCaption() override;
  void InitLevelView() override { showText(); }
  void InitWorldView() override { showText(); }
  void ShowAsGame() override;
  void CommitText() override;
  void Render() override { showText(); }
  void Repaint() override { update(); }
  void SetGridVisible(bool) override {}
  void SetZoom(double) override {}
  void SelectTab(int) override {}
  void SetWindowState(TDocWindowState state) override;
  bool HasSelection() const override { return false; }
  void DeleteSelected() override {}
  void DeleteAll() override {}
  void BringToFront() override {}
  void SendToBack() override {}

 private:
  void showText();
  TDocument doc_;
  std::string caption_;
  QPlainTextEdit text_;
  QMdiSubWindow* sub_ = nullptr;
};
