#pragma once
// The Texto page's widget side: the shown text put into the page and coloured
// by its runs (editor/frmChild/text_view.h).
#include <string>

class QTextEdit;

// Replaces the page's text with shownText (Windows-1252, "\n" line breaks) and
// colours its runs bold, a later run over an earlier one. The document lays
// itself out once for the whole text, and the colouring is no step to undo.
void ShowTextPage(QTextEdit& page, const std::string& shownText);
