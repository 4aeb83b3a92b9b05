#include "editor/frmChild/text_page.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

#include "editor/frmChild/text_view.h"
#include "platform/qt/text/qt_text.h"

namespace {

QColor qColor(platform::TColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

}  // namespace

void ShowTextPage(QTextEdit& page, const std::string& shownText) {
  // The new text takes the page's format for typing: plain, not the colour the
  // cursor stood in.
  page.setCurrentCharFormat(QTextCharFormat());
  page.setPlainText(platform::qt::qs(shownText));

  QTextDocument& document = *page.document();
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  QTextCursor cursor(&document);
  // One edit block: the document lays itself out again once, not once a run.
  cursor.beginEditBlock();
  // One Windows-1252 byte is one character of the shown text.
  const int length = document.characterCount() - 1;
  for (const TTextRun& run : TextViewRuns(shownText)) {
    const int start = std::clamp(run.Start, 0, length);
    const int end = std::clamp(run.Start + run.Length, start, length);
    if (start == end) continue;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setForeground(qColor(run.Color));
    cursor.mergeCharFormat(format);
  }
  cursor.endEditBlock();
  document.setUndoRedoEnabled(undo);
  page.moveCursor(QTextCursor::Start);
}
