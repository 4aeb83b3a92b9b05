#pragma once
// Image lists shared by every button glyph of one image size: a slot of a list is
// used by one cached state image, and a list lives while any slot is in use.
#include <QSize>
#include <memory>
#include <vector>

#include "toolbars/TBZCtls/image_list.h"

namespace tbz {

class TGlyphList : public TImageList {
 public:
  TGlyphList(int width, int height) : TImageList(width, height) {}

  // Stores an image in the first free slot (a new one when none is free) and
  // returns the slot. A wrongly sized image raises "Invalid image size"; a mask
  // that does not fit raises "Unable to Replace Image".
  int Add(const QImage& image, const QImage& mask = QImage());
  int AddMasked(const QImage& image, QRgb transparent);
  // Frees a slot; its index may be handed out again.
  void Delete(int index);
  int UseCount() const { return count_; }
  bool SlotUsed(int index) const { return index >= 0 && index < int(used_.size()) && used_[size_t(index)]; }

 private:
  int claimSlot();
  std::vector<bool> used_;
  int count_ = 0;
};

class TGlyphCache {
 public:
  // The list of that image size, created when missing.
  TGlyphList& GetList(QSize size);
  // Frees the list when none of its slots is used any more.
  void ReturnList(TGlyphList* list);
  TGlyphList* Find(QSize size) const;
  int ListCount() const { return int(lists_.size()); }
  bool Empty() const { return lists_.empty(); }

 private:
  std::vector<std::unique_ptr<TGlyphList>> lists_;
};

// The cache shared by all buttons, created on first use.
TGlyphCache& GlyphCache();

}  // namespace tbz
