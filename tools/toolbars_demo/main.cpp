// A window with docks on every edge, a toolbar of buttons and a tool window.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "toolbars/TBZCtls/TBZCtls.h"
#include "toolbars/TBZTlbr/TBZTlbr.h"
#include "toolbars/TBZTlwn/TBZTlwn.h"

using namespace tbz;

namespace {

// A 16x16 glyph: a dark diamond on the magenta key colour.
QImage demoGlyph(QColor colour) {
  QImage g(16, 16, QImage::Format_RGB32);
  g.fill(QColor(255, 0, 255));
  QPainter p(&g);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  const QPoint diamond[4] = {{8, 1}, {14, 8}, {8, 14}, {2, 8}};
  p.drawPolygon(diamond, 4);
  p.fillRect(6, 6, 4, 4, Qt::white);
  return g;
}

// One of each kind of button: layouts, drop-downs, a combo, down, disabled, raised.
QWidget* buttonGallery(QWidget* parent) {
  auto* panel = new QWidget(parent);
  auto* menu = new QMenu(panel);
  menu->addAction("Nivel")->setStatusTip("Crea un nivel nuevo");
  menu->addAction("Mapa")->setStatusTip("Crea un mapa nuevo");
  auto* hint = new QLabel(panel);
  hint->setGeometry(4, 110, 300, 16);
  ApplicationHint::AddListener([hint](const QString& h) { hint->setText(h); });
  struct Item {
    const char* caption;
    TButtonLayout layout;
    QSize size;
  } items[] = {{"&Izquierda", blGlyphLeft, {80, 24}},  {"Derecha", blGlyphRight, {80, 24}},
               {"Arriba", blGlyphTop, {56, 44}},       {"Abajo", blGlyphBottom, {56, 44}}};
  int x = 4;
  for (const Item& it : items) {
    auto* b = new TToolbarButtonZ(panel);
    b->setGeometry(x, 4, it.size.width(), it.size.height());
    b->SetGlyph(demoGlyph(QColor(0, 0, 160)));
    b->SetCaption(it.caption);
    b->SetLayout(it.layout);
    b->SetFlat(false);
    x += it.size.width() + 4;
  }
  auto* drop = new TToolbarButtonZ(panel);
  drop->setGeometry(4, 54, 40, 24);
  drop->SetGlyph(demoGlyph(QColor(0, 128, 0)));
  drop->SetDropdownMenu(menu);
  drop->SetFlat(false);
  auto* combo = new TToolbarButtonZ(panel);
  combo->setGeometry(48, 54, 24, 24);
  combo->SetGlyph(demoGlyph(QColor(128, 0, 0)));
  combo->SetDropdownMenu(menu);
  combo->SetDropdownCombo(true);
  combo->SetFlat(false);
  auto* down = new TToolbarButtonZ(panel);
  down->setGeometry(110, 54, 24, 24);
  down->SetGlyph(demoGlyph(QColor(0, 0, 0)));
  down->SetGroupIndex(7);
  down->SetDown(true);
  auto* disabled = new TToolbarButtonZ(panel);
  disabled->setGeometry(138, 54, 24, 24);
  disabled->SetGlyph(demoGlyph(QColor(0, 0, 0)));
  disabled->setEnabled(false);
  auto* disabledText = new TToolbarButtonZ(panel);
  disabledText->setGeometry(166, 54, 80, 24);
  disabledText->SetCaption("Inactivo");
  disabledText->SetDropdownAlways(true);
  disabledText->setEnabled(false);
  auto* wrap = new TToolbarButtonZ(panel);
  wrap->setGeometry(250, 50, 70, 40);
  wrap->SetCaption("Texto en dos lineas");
  wrap->SetWordWrap(true);
  wrap->SetFlat(false);
  panel->resize(330, 130);
  return panel;
}

}  // namespace

// With --grab FILE the window is saved to FILE once shown and the program ends.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString grabFile;
  for (int i = 1; i + 1 < argc; ++i)
    if (QString(argv[i]) == "--grab") grabFile = argv[i + 1];
  QWidget form;
  form.setWindowTitle("Toolbars");
  auto* grid = new QGridLayout(&form);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  auto* top = new TDockZ(&form, dpTop);
  auto* bottom = new TDockZ(&form, dpBottom);
  auto* left = new TDockZ(&form, dpLeft);
  auto* right = new TDockZ(&form, dpRight);
  auto* centre = new QLabel("Documento");
  centre->setAlignment(Qt::AlignCenter);
  centre->setStyleSheet("background: white");
  grid->addWidget(top, 0, 0, 1, 3);
  grid->addWidget(left, 1, 0);
  auto* middle = new QWidget;
  auto* column = new QVBoxLayout(middle);
  column->addWidget(centre);
  column->addWidget(buttonGallery(middle));
  grid->addWidget(middle, 1, 1);
  grid->addWidget(right, 1, 2);
  grid->addWidget(bottom, 2, 0, 1, 3);
  auto* bar = new TToolbarZ(top);
  bar->SetCaption("Estándar");
  for (int i = 0; i < 6; ++i) {
    if (i == 3) new TToolbarSepZ(bar);
    auto* b = new TToolbarButtonZ(bar);
    b->SetCaption(QString::number(i + 1));
    if (i >= 4) b->SetGroupIndex(1);
  }
  for (int i = 0; i < 3; ++i) {
    auto* b = new TToolbarButtonZ(bar);
    b->SetGlyph(demoGlyph(QColor(40 * i, 0, 160)));
  }
  auto* tw = new TToolWindowZ(left);
  tw->SetCaption("Objetos");
  tw->SetClientAreaWidth(90);
  tw->SetClientAreaHeight(160);
  (new QVBoxLayout(tw))->addWidget(new QLabel("Paleta"));
  form.resize(640, 420);
  form.move(50, 50);
  form.show();
  if (!grabFile.isEmpty())
    QTimer::singleShot(200, &form, [&] { app.exit(form.grab().save(grabFile) ? 0 : 1); });
  return app.exec();
}
