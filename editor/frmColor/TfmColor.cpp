#include "editor/frmColor/TfmColor.h"

#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/frmFind/dialog_qt.h"

namespace {
constexpr int kSwatch = 16;
constexpr int kColumns = 4;

QIcon swatchIcon(TColor color) {
  QPixmap pixmap(kSwatch, kSwatch);
  pixmap.fill(qcolor(color));
  return QIcon(pixmap);
}
}  // namespace

TfmColor::TfmColor(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      more_(new QToolButton(this)),
      custom_(new QToolButton(this)) {
  setWindowTitle(qs(kColorCaption));
  setStyleSheet(QStringLiteral("TfmColor { border: 1px solid palette(dark); }"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 3, 3, 3);
  auto* grid = new QGridLayout;
  grid->setSpacing(1);
  for (size_t i = 0; i < kColorButtons.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setIcon(swatchIcon(kColorButtons[i]));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [this, i] { pick(kColorButtons[i]); });
    grid->addWidget(button, int(i) / kColumns, int(i) % kColumns);
    buttons_[i] = button;
  }
  layout->addLayout(grid);
  auto* row = new QHBoxLayout;
  more_->setText(qs(kMoreColors));
  more_->setAutoRaise(true);
  custom_->setAutoRaise(true);
  row->addWidget(more_, 1);
  row->addWidget(custom_);
  layout->addLayout(row);
  paintCustom();
  connect(custom_, &QToolButton::clicked, this, [this] { pick(Model.Custom); });
  connect(more_, &QToolButton::clicked, this, [this] {
    choosing_ = true;
    Model.MoreColors();
    choosing_ = false;
    paintCustom();
    activateWindow();
  });
  Model.OnChooseColor = [this](TfmColorModel&, TColor start) -> std::optional<TColor> {
    const QColor chosen = QColorDialog::getColor(qcolor(start), this);
    if (!chosen.isValid()) return std::nullopt;
    return bgrOf(chosen);
  };
}

void TfmColor::ShowFor(TDocument& doc, const QRect& button) {
  doc_ = &doc;
  adjustSize();
  move(button.right() - width() + 1, button.bottom() + 1);
  show();
  activateWindow();
}

bool TfmColor::event(QEvent* e) {
  if (e->type() == QEvent::WindowDeactivate && !choosing_) hide();
  return QDialog::event(e);
}

void TfmColor::pick(TColor color) {
  if (doc_) {
    TfmColorModel::Pick(*doc_, color);
    if (OnPicked) OnPicked(*this);
  }
  hide();
}

void TfmColor::paintCustom() { custom_->setIcon(swatchIcon(Model.Custom)); }
