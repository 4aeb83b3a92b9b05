#pragma once
// What the main window's commands need of a document window. The document
// window proper implements it; the commands never see its widgets.
#include <string>

#include "editor/Docs/document.h"

enum TDocWindowState { dwsNormal, dwsMinimized, dwsMaximized };

class TDocumentWindowSeam {
 public:
  virtual ~TDocumentWindowSeam() = default;

  virtual TDocument& Document() = 0;
  virtual std::string Caption() const = 0;
  // Caption and icon from FileName after it changed.
  virtual void UpdateFileCaption() = 0;

  // Views built from the document after it was loaded or created.
  virtual void InitLevelView() = 0;
  virtual void InitWorldView() = 0;
  // A game: the text page only, with the document's text.
  virtual void ShowAsGame() = 0;
  // Takes what the text page holds into the document before a game is saved.
  virtual void CommitText() = 0;

  virtual void Render() = 0;   // renders the document and repaints
  virtual void Repaint() = 0;
  // The status bar's count and selected object follow this window.
  virtual void UpdateStatus() = 0;

  virtual void SetGridVisible(bool visible) = 0;
  virtual void SetZoom(double zoom) = 0;
  // 0 the visual page, 1 the text page.
  virtual void SelectTab(int tab) = 0;
  virtual void SetWindowState(TDocWindowState state) = 0;

  virtual bool HasSelection() const = 0;
  virtual void DeleteSelected() = 0;
  virtual void DeleteAll() = 0;
  virtual void BringToFront() = 0;
  virtual void SendToBack() = 0;
};
