#include "editor/frmChild/frmChild.h"

#include <QFileIconProvider>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "editor/frmChild/paint_box.h"
#include "editor/frmChild/text_page.h"
#include "platform/core/paths.h"
#include "platform/qt/text/qt_text.h"

using platform::qt::qs;

TfmChild::TfmChild(TChildHost& host, std::filesystem::path programFolder, int windowCount, QMenu* popup, QWidget* parent)
    : QWidget(parent), view_(host, std::move(programFolder), windowCount) {
  QFont font("Tahoma");
  setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  nbMode = new QStackedWidget(this);
  ScrollBox1 = new QScrollArea(nbMode);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setBackgroundRole(QPalette::Base);
  auto* box = new QWidget;
  box->setBackgroundRole(QPalette::Base);
  box->setAutoFillBackground(true);
  Pb = new TPaintBox(view_, popup, box);
  HRuler = new TRuler(view_, Qt::Horizontal, box);
  VRuler = new TRuler(view_, Qt::Vertical, box);
  HVRuler = new QWidget(box);
  HVRuler->setGeometry(0, 0, kRulerSize, kRulerSize);
  auto* label1 = new QLabel("L", HVRuler);
  QFont fixed("Fixedsys");
  fixed.setBold(true);
  label1->setFont(fixed);
  label1->setAlignment(Qt::AlignCenter);
  label1->setGeometry(0, 0, kRulerSize, kRulerSize);
  ScrollBox1->setWidget(box);
  nbMode->addWidget(ScrollBox1);

  mmFile = new QTextEdit(nbMode);
  QFont courier("Courier New");
  courier.setPixelSize(13);
  mmFile->setFont(courier);
  mmFile->setFrameShape(QFrame::NoFrame);
  mmFile->setLineWrapMode(QTextEdit::NoWrap);
  mmFile->setAcceptRichText(false);
  mmFile->setTabChangesFocus(false);
  mmFile->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmFile->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  nbMode->addWidget(mmFile);
  layout->addWidget(nbMode, 1);

  tsMode = new QTabBar(this);
  tsMode->setShape(QTabBar::RoundedSouth);
  tsMode->addTab("  Visual  ");
  tsMode->addTab("  Texto  ");
  layout->addWidget(tsMode);
  connect(tsMode, &QTabBar::currentChanged, nbMode, &QStackedWidget::setCurrentIndex);

  view_.OnRepaint = [this](TChildView&) { Pb->update(); };
  view_.OnLayout = [this](TChildView&) { layoutBox(); };
  view_.OnTextLoaded = [this](TChildView&) { showText(); };
  // A game's text is the document: typing in it is a change to save. A level's
  // or map's text only shows the file.
  connect(mmFile->document(), &QTextDocument::modificationChanged, this, [this](bool changed) {
    if (changed && !showingText_ && view_.Doc.DocKind == DocGame) view_.Doc.Modified = true;
  });
  setWindowTitle(qs(view_.Caption));
  layoutBox();
}

TfmChild::~TfmChild() = default;

QWidget* TfmChild::PbWidget() const { return Pb; }

std::vector<QWidget*> TfmChild::HintHiders() const {
  std::vector<QWidget*> hiders = {const_cast<TfmChild*>(this), nbMode, tsMode, ScrollBox1, ScrollBox1->viewport(),
                                  ScrollBox1->widget(), HRuler, VRuler, HVRuler};
  // The corner's label takes the moves over it.
  for (QWidget* w : HVRuler->findChildren<QWidget*>()) hiders.push_back(w);
  return hiders;
}

void TfmChild::ArmKind(int kind) {
  view_.ArmKind(kind);
  Pb->setCursor(Qt::CrossCursor);
}

void TfmChild::Disarm() {
  view_.Disarm();
  Pb->unsetCursor();
}

void TfmChild::layoutBox() {
  const int w = std::max(0, view_.PbWidth), h = std::max(0, view_.PbHeight);
  Pb->setGeometry(view_.PbPos.X, view_.PbPos.Y, w, h);
  HRuler->setGeometry(kRulerSize, 0, w, kRulerSize);
  VRuler->setGeometry(0, kRulerSize, kRulerSize, h);
  for (QWidget* ruler : {static_cast<QWidget*>(HRuler), static_cast<QWidget*>(VRuler), HVRuler})
    ruler->setVisible(view_.RulersVisible);
  ScrollBox1->widget()->resize(view_.PbPos.X + w, view_.PbPos.Y + h);
  HRuler->update();
  VRuler->update();
}

void TfmChild::showText() {
  // Loading and colouring the text is no change of the document.
  showingText_ = true;
  ShowTextPage(*mmFile, view_.Text);
  mmFile->document()->setModified(false);
  showingText_ = false;
}

void TfmChild::UpdateFileCaption() {
  view_.UpdateFileCaption();
  // After a level or map is written its Texto page shows the file as it is now.
  if (view_.Doc.DocKind != DocGame && !view_.KindImages.empty()) view_.LoadTextView();
  const bool onDisk = !view_.Doc.FileName.empty() && platform::fileExists(view_.Doc.FileName.native());
  // The file's own name, in whatever letters: Caption is the 8-bit text of the messages.
  setWindowTitle(onDisk ? platform::qt::qPath(view_.Doc.FileName.filename()) : qs(view_.Caption));
  if (onDisk) {
    const QFileInfo file(platform::qt::qPath(platform::resolvePath(view_.Doc.FileName.native())));
    setWindowIcon(QFileIconProvider().icon(file));
  }
  if (sub_) {
    sub_->setWindowTitle(windowTitle());
    sub_->setWindowIcon(windowIcon());
  }
}

void TfmChild::initView(TDocKind kind) {
  view_.Doc.DocKind = kind;
  view_.BuildKindTable(kind);
  view_.InitView();
  view_.LoadTextView();
  // The document was read before: the count follows it.
  view_.UpdateStatus();
  // A level's or map's file is written from its objects and fields, never from
  // this page, so typing here could only be lost.
  mmFile->setReadOnly(true);
  tsMode->show();
  SelectTab(0);
}

void TfmChild::ShowAsGame() {
  view_.Doc.DocKind = DocGame;
  view_.KindImages.clear();
  view_.LoadTextView();
  mmFile->setReadOnly(false);
  tsMode->hide();
  nbMode->setCurrentIndex(1);
}

void TfmChild::CommitText() {
  const std::string text = platform::qt::cp(mmFile->toPlainText());
  std::string crlf;
  crlf.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  view_.Doc.Text = std::move(crlf);
  // Typing after this save is a change again.
  mmFile->document()->setModified(false);
}

void TfmChild::Render() {
  view_.Render();
  layoutBox();
  view_.Repaint();
}

void TfmChild::SetGridVisible(bool visible) {
  view_.GridVisible = visible;
  view_.Repaint();
}

void TfmChild::SelectTab(int tab) {
  if (tab < 0 || tab > 1) return;
  if (view_.Doc.DocKind == DocGame) tab = 1;
  tsMode->setCurrentIndex(tab);
  nbMode->setCurrentIndex(tab);
}

void TfmChild::SetWindowState(TDocWindowState state) {
  QWidget* w = sub_ ? static_cast<QWidget*>(sub_) : this;
  switch (state) {
    case dwsNormal: w->showNormal(); break;
    case dwsMinimized: w->showMinimized(); break;
    case dwsMaximized: w->showMaximized(); break;
  }
}
