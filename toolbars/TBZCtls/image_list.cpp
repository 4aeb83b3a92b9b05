#include "toolbars/TBZCtls/image_list.h"

#include <QPainter>
#include <algorithm>

#include "toolbars/TBZUtils/TBZUtils.h"

namespace tbz {

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnregisterChanges(*this);
}

TImageList::TImageList(int width, int height) : width_(std::max(0, width)), height_(std::max(0, height)) {}

TImageList::~TImageList() {
  // Links may unregister themselves from OnFree, so work on a copy.
  const std::vector<TChangeLink*> links = links_;
  links_.clear();
  for (TChangeLink* link : links) {
    link->sender_ = nullptr;
    if (link->OnFree) link->OnFree();
  }
}

QImage ImageWithMask(const QImage& image, const QImage& mask) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QImage m = mask.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x)
      if (qGray(m.pixel(x, y)) >= 128) out.setPixel(x, y, 0);
  return out;
}

QImage ImageWithKey(const QImage& image, QRgb transparent) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = transparent | 0xFF000000u;
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x)
      if ((out.pixel(x, y) | 0xFF000000u) == key) out.setPixel(x, y, 0);
  return out;
}

void TImageList::checkSize(const QImage& image) const {
  if (image.width() != width_ || image.height() != height_) throw EInvalidOperation("Invalid image size");
}

int TImageList::Add(const QImage& image, const QImage& mask) {
  checkSize(image);
  const int index = appendSlot();
  if (!Replace(index, image, mask)) {
    images_.pop_back();
    throw EInvalidOperation("Invalid image size");
  }
  return index;
}

int TImageList::AddMasked(const QImage& image, QRgb transparent) {
  checkSize(image);
  const int index = appendSlot();
  ReplaceMasked(index, image, transparent);
  return index;
}

bool TImageList::Replace(int index, const QImage& image, const QImage& mask) {
  if (!ValidIndex(index) || image.size() != QSize(width_, height_)) return false;
  if (!mask.isNull() && mask.size() != image.size()) return false;
  images_[size_t(index)] = mask.isNull() ? image.convertToFormat(QImage::Format_ARGB32) : ImageWithMask(image, mask);
  changed();
  return true;
}

bool TImageList::ReplaceMasked(int index, const QImage& image, QRgb transparent) {
  if (!ValidIndex(index) || image.size() != QSize(width_, height_)) return false;
  images_[size_t(index)] = ImageWithKey(image, transparent);
  changed();
  return true;
}

void TImageList::Delete(int index) {
  if (!ValidIndex(index)) return;
  images_.erase(images_.begin() + index);
  changed();
}

void TImageList::Clear() {
  images_.clear();
  changed();
}

void TImageList::Draw(QPainter& painter, int x, int y, int index) const {
  if (ValidIndex(index)) painter.drawImage(x, y, images_[size_t(index)]);
}

void TImageList::RegisterChanges(TChangeLink& link) {
  if (link.sender_ == this) return;
  if (link.sender_) link.sender_->UnregisterChanges(link);
  link.sender_ = this;
  links_.push_back(&link);
}

void TImageList::UnregisterChanges(TChangeLink& link) {
  links_.erase(std::remove(links_.begin(), links_.end(), &link), links_.end());
  if (link.sender_ == this) link.sender_ = nullptr;
}

void TImageList::changed() {
  const std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end() && link->OnChange) link->OnChange();
}

}  // namespace tbz
