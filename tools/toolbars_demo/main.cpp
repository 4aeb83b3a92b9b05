// A window with docks on every edge, a toolbar of buttons and a tool window.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "toolbars/TBZCtls/TBZCtls.h"
#include "toolbars/TBZTlbr/TBZTlbr.h"
#include "toolbars/TBZTlwn/TBZTlwn.h"

using namespace tbz;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
  grid->addWidget(centre, 1, 1);
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
  auto* tw = new TToolWindowZ(left);
  tw->SetCaption("Objetos");
  tw->SetClientAreaWidth(90);
  tw->SetClientAreaHeight(160);
  (new QVBoxLayout(tw))->addWidget(new QLabel("Paleta"));
  form.resize(640, 420);
  form.move(50, 50);
  form.show();
  return app.exec();
}
