#include "editor/frmFind/TKindChooserBox.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "platform/qt/text/qt_text.h"

namespace {
constexpr int kPreviewSize = 64;
}

TKindChooserBox::TKindChooserBox(TKindChooser& chooser, QWidget* parent)
    : QWidget(parent), chooser_(chooser), edit_(new TNumberBox(0, chooser.Max, this)), preview_(new QLabel(this)) {
  auto* label = new QLabel(platform::qt::qs("Animaci\xF3n:"), this);
  label->setBuddy(edit_);
  preview_->setFixedSize(kPreviewSize, kPreviewSize);
  preview_->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(edit_);
  layout->addWidget(preview_);
  connect(edit_, &QSpinBox::valueChanged, this, [this](int value) {
    chooser_.SetKind(value);
    repaintPreview();
  });
  Refresh();
}

void TKindChooserBox::Refresh() {
  // A selected object's kind beyond the range is shown, and searched, as it is.
  edit_->SetDesignedRange(0, chooser_.Max);
  edit_->Show(chooser_.Kind);
  repaintPreview();
}

void TKindChooserBox::repaintPreview() {
  QImage image(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (OnDrawPreview) {
    const QImage kind = OnDrawPreview(*this, chooser_.Kind);
    QPainter(&image).drawImage(0, 0, kind);  // at (0, 0) over the white
  }
  preview_->setPixmap(QPixmap::fromImage(image));
}
