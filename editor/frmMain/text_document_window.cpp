#include "editor/frmMain/text_document_window.h"

#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "platform/core/paths.h"
#include "platform/core/text_encoding.h"

namespace {
QString qs(const std::string& cp1252) { return QString::fromStdString(platform::cp1252ToUtf8(cp1252)); }
}  // namespace

TTextDocumentWindow::TTextDocumentWindow(std::string caption, QWidget* parent)
    : QWidget(parent), caption_(std::move(caption)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(&text_);
  QFont font("Courier New");
  font.setPixelSize(13);
  text_.setFont(font);
  text_.setLineWrapMode(QPlainTextEdit::NoWrap);
  setWindowTitle(qs(caption_));
}

void TTextDocumentWindow::UpdateFileCaption() {
  if (!doc_.FileName.empty() && platform::fileExists(doc_.FileName)) caption_ = platform::extractFileName(doc_.FileName);
  setWindowTitle(qs(caption_));
  if (sub_) sub_->setWindowTitle(qs(caption_));
}

void TTextDocumentWindow::ShowAsGame() {
  text_.setReadOnly(false);
  std::string text = doc_.Text;
  std::erase(text, '\r');
  text_.setPlainText(qs(text));
}

void TTextDocumentWindow::CommitText() {
  std::string text = platform::utf8ToCp1252(text_.toPlainText().toStdString());
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  doc_.Text = crlf;
}

// Levels and world maps are shown as their object lines; they are edited elsewhere.
void TTextDocumentWindow::showText() {
  std::string text = "[Sprites]\n";
  for (const std::string& line : doc_.Objects) text += line + "\n";
  text_.setReadOnly(true);
  text_.setPlainText(qs(text));
}

void TTextDocumentWindow::SetWindowState(TDocWindowState state) {
  QWidget* w = sub_ ? static_cast<QWidget*>(sub_) : this;
  switch (state) {
    case dwsNormal: w->showNormal(); break;
    case dwsMinimized: w->showMinimized(); break;
    case dwsMaximized: w->showMaximized(); break;
  }
}
