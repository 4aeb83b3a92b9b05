#include "editor/ObjectPalette/palette_window.h"

#include <QMenu>
#include <QPainter>
#include <QStackedWidget>

#include "editor/frmChild/paint_box.h"
#include "platform/qt/text/qt_text.h"
#include "toolbars/TBZCtls/TBZCtls.h"

using platform::qt::qs;

using tbz::TToolbarButtonZ;

namespace {

constexpr int kScrollWidth = 48, kScrollHeight = 13, kTopicHeight = 20;

// The scroll buttons' captions name arrows in a symbol font; the arrow is drawn.
QImage arrowGlyph(bool up) {
  QImage image(9, 5, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const QPolygon triangle = up ? QPolygon({QPoint(0, 4), QPoint(8, 4), QPoint(4, 0)})
                               : QPolygon({QPoint(0, 0), QPoint(8, 0), QPoint(4, 4)});
  p.drawPolygon(triangle);
  return image;
}

int notebookHeight(std::span<const TPalettePage> pages) {
  size_t most = 0;
  for (const TPalettePage& page : pages) most = std::max(most, page.Buttons.size());
  return int((most + 1) / 2) * kPaletteRowStep + 1;
}

}  // namespace

TObjectPaletteWindow::TObjectPaletteWindow(QWidget* parent) : QWidget(parent) {
  nb1 = new QStackedWidget(this);
  buildPageSet(DocWorldMap);
  buildPageSet(DocLevel);
  ShowPageSet(DocLevel);
}

void TObjectPaletteWindow::buildPageSet(TDocKind kind) {
  TPageSet& s = set(kind);
  const auto pages = PalettePages(kind);
  s.page = new QWidget(nb1);
  nb1->addWidget(s.page);

  s.topic = new TToolbarButtonZ(s.page);
  s.topic->SetDisplayMode(tbz::dmTextOnly);
  s.topic->SetFlat(false);
  s.topic->SetCaption(qs(pages[0].Caption));
  s.menu = new QMenu(s.topic);
  for (int i = 0; i < int(pages.size()); ++i) {
    s.menu->addAction(qs(pages[size_t(i)].Caption), this, [this, kind, i] {
      palette_.ShowPageSet(kind);
      palette_.SelectSubPage(i);
      syncPageSet(kind);
    });
  }
  s.topic->OnClick = [this, kind](TToolbarButtonZ* sender) {
    sender->SetDown(true);
    set(kind).menu->exec(sender->mapToGlobal(QPoint(-1, sender->height())));
    sender->SetDown(false);
  };

  s.panel = new QWidget(s.page);
  s.notebook = new QStackedWidget(s.panel);
  const int nbHeight = notebookHeight(pages);
  s.buttons.resize(pages.size());
  for (size_t p = 0; p < pages.size(); ++p) {
    auto* sheet = new QWidget(s.notebook);
    sheet->resize(2 * kPaletteButtonWidth + 2, nbHeight);
    for (size_t b = 0; b < pages[p].Buttons.size(); ++b) {
      auto* button = new TToolbarButtonZ(sheet);
      button->setGeometry(b % 2 == 0 ? 1 : 24, 1 + int(b / 2) * kPaletteRowStep, kPaletteButtonWidth,
                          kPaletteButtonHeight);
      button->SetDisplayMode(tbz::dmGlyphOnly);
      button->SetGroupIndex(1);
      button->SetAllowAllUp(true);
      button->setToolTip(qs(pages[p].Buttons[b].Hint));
      button->OnClick = [this, kind, index = int(b)](TToolbarButtonZ*) {
        palette_.ShowPageSet(kind);
        palette_.ClickButton(index);
        syncPageSet(kind);
      };
      s.buttons[p].push_back(button);
    }
    s.notebook->addWidget(sheet);
  }
  s.notebook->resize(2 * kPaletteButtonWidth + 2, nbHeight);

  s.up = new TToolbarButtonZ(s.panel);
  s.down = new TToolbarButtonZ(s.panel);
  for (auto [button, caption] : {std::pair{s.up, "t"}, {s.down, "u"}}) {
    button->SetCaption(caption);
    button->SetDisplayMode(tbz::dmGlyphOnly);
    button->SetGlyph(arrowGlyph(button == s.up));
    button->SetFlat(false);
    button->resize(kScrollWidth, kScrollHeight);
  }
  s.up->SetRepeating(true);
  s.down->SetRepeating(true);
  s.up->OnClick = [this, kind](TToolbarButtonZ*) {
    palette_.ShowPageSet(kind);
    palette_.ScrollUp();
    syncPageSet(kind);
  };
  s.down->OnClick = [this, kind](TToolbarButtonZ*) {
    palette_.ShowPageSet(kind);
    TPageSet& ps = set(kind);
    palette_.ScrollDown(ps.panel->height(), ps.notebook->height());
    syncPageSet(kind);
  };
  syncPageSet(kind);
}

TToolbarButtonZ* TObjectPaletteWindow::PaletteButton(TDocKind kind, int page, int index) const {
  const TPageSet& s = set(kind);
  if (page < 0 || page >= int(s.buttons.size())) return nullptr;
  if (index < 0 || index >= int(s.buttons[size_t(page)].size())) return nullptr;
  return s.buttons[size_t(page)][size_t(index)];
}

void TObjectPaletteWindow::syncPageSet(TDocKind kind) {
  const TDocKind shown = palette_.PageSet();
  palette_.ShowPageSet(kind);
  TPageSet& s = set(kind);
  const int page = palette_.SubPage();
  s.notebook->setCurrentIndex(page);
  s.topic->SetCaption(qs(PalettePages(kind)[size_t(page)].Caption));
  const int down = palette_.DownButton();
  for (int i = 0; i < int(s.buttons[size_t(page)].size()); ++i) s.buttons[size_t(page)][size_t(i)]->SetDown(i == down);
  s.notebook->move(0, palette_.NotebookTop());
  s.up->setEnabled(palette_.UpEnabled());
  s.down->setEnabled(palette_.DownEnabled());
  palette_.ShowPageSet(shown);
}

void TObjectPaletteWindow::layoutPageSet(TDocKind kind) {
  TPageSet& s = set(kind);
  s.page->setGeometry(0, 0, width(), height());
  s.topic->setGeometry(0, 0, width(), kTopicHeight);
  s.panel->setGeometry(0, kTopicHeight + 1, width(), std::max(0, height() - kTopicHeight - 1));
  s.up->move(0, 0);
  s.down->move(0, std::max(0, s.panel->height() - kScrollHeight));
  s.up->raise();
  s.down->raise();
}

void TObjectPaletteWindow::resizeEvent(QResizeEvent*) {
  nb1->setGeometry(0, 0, width(), height());
  layoutPageSet(DocWorldMap);
  layoutPageSet(DocLevel);
}

void TObjectPaletteWindow::ShowPageSet(TDocKind kind) {
  palette_.ShowPageSet(kind);
  nb1->setCurrentWidget(set(kind).page);
}

void TObjectPaletteWindow::RefreshGlyphs(TDocKind kind, TGKEditorImageLib& images, const TKindImageTable& kindImages) {
  palette_.RefreshGlyphs(kind, images, kindImages);
  const auto& glyphs = palette_.Glyphs(kind);
  TPageSet& s = set(kind);
  for (size_t p = 0; p < s.buttons.size() && p < glyphs.size(); ++p)
    for (size_t b = 0; b < s.buttons[p].size() && b < glyphs[p].size(); ++b)
      s.buttons[p][b]->SetGlyph(ImageOfBitmap(glyphs[p][b]));
  ShowPageSet(kind);
}
