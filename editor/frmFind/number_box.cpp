#include "editor/frmFind/number_box.h"

#include <QSignalBlocker>
#include <algorithm>

#include "editor/Docs/number_fields.h"

TNumberBox::TNumberBox(int min, int max, QWidget* parent) : QSpinBox(parent), min_(min), max_(max) {
  setRange(min, max);
  stored_ = std::to_string(value());
  connect(this, &QSpinBox::valueChanged, this, [this] { changed_ = true; });
}

void TNumberBox::SetDesignedRange(int min, int max) {
  min_ = min;
  max_ = max;
  Show(Stored());
}

void TNumberBox::Show(const std::string& stored) {
  const QSignalBlocker block(this);
  const int value = TryStrToInt(stored).value_or(0);
  setRange(std::min(min_, value), std::max(max_, value));
  setValue(value);
  stored_ = stored;
  changed_ = false;
}

std::string TNumberBox::Stored() const { return changed_ ? std::to_string(value()) : stored_; }
