#pragma once
// A list of equally sized images with transparency, and the change link through
// which its users hear that an image changed or that the list is gone.
#include <QImage>
#include <functional>
#include <vector>

class QPainter;

namespace tbz {

class TImageList;

// Held by a user of an image list. The list calls OnChange after every change and
// OnFree from its destructor, after which Sender() is nullptr.
class TChangeLink {
 public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  TImageList* Sender() const { return sender_; }
  std::function<void()> OnChange, OnFree;

 private:
  friend class TImageList;
  TImageList* sender_ = nullptr;
};

class TImageList {
 public:
  TImageList(int width, int height);
  virtual ~TImageList();
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return int(images_.size()); }
  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

  // Appends an image; the mask, when given, is monochrome with black for the
  // shape and white for the transparent part. Returns the new index.
  int Add(const QImage& image, const QImage& mask = QImage());
  // Appends an image whose pixels of the given colour are transparent.
  int AddMasked(const QImage& image, QRgb transparent);
  // Replaces an image in place; false when the index or a size does not fit.
  bool Replace(int index, const QImage& image, const QImage& mask = QImage());
  bool ReplaceMasked(int index, const QImage& image, QRgb transparent);
  void Delete(int index);
  void Clear();

  // The image with its transparency (ARGB32, alpha 0 where transparent).
  const QImage& Image(int index) const { return images_.at(size_t(index)); }
  void Draw(QPainter& painter, int x, int y, int index) const;

  void RegisterChanges(TChangeLink& link);
  void UnregisterChanges(TChangeLink& link);

 protected:
  // Raises "Invalid image size" when the image does not have the list's size.
  void checkSize(const QImage& image) const;
  void setImage(int index, QImage image) { images_.at(size_t(index)) = std::move(image); }
  int appendSlot() { images_.emplace_back(); return Count() - 1; }
  void changed();

 private:
  int width_, height_;
  std::vector<QImage> images_;
  std::vector<TChangeLink*> links_;
};

// The image with transparency taken from a mask (black = shape) or a key colour.
QImage ImageWithMask(const QImage& image, const QImage& mask);
QImage ImageWithKey(const QImage& image, QRgb transparent);

}  // namespace tbz
