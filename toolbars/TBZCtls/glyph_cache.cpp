#include "toolbars/TBZCtls/glyph_cache.h"

#include <algorithm>

#include "toolbars/TBZUtils/TBZUtils.h"

namespace tbz {

int TGlyphList::claimSlot() {
  auto it = std::find(used_.begin(), used_.end(), false);
  int index;
  if (it == used_.end()) {
    index = appendSlot();
    used_.push_back(false);
  } else {
    index = int(it - used_.begin());
  }
  return index;
}

int TGlyphList::Add(const QImage& image, const QImage& mask) {
  checkSize(image);
  const int index = claimSlot();
  if (!Replace(index, image, mask)) throw EInvalidOperation("Unable to Replace Image");
  used_[size_t(index)] = true;
  ++count_;
  return index;
}

int TGlyphList::AddMasked(const QImage& image, QRgb transparent) {
  checkSize(image);
  const int index = claimSlot();
  if (!ReplaceMasked(index, image, transparent)) throw EInvalidOperation("Unable to Replace Image");
  used_[size_t(index)] = true;
  ++count_;
  return index;
}

void TGlyphList::Delete(int index) {
  if (!SlotUsed(index)) return;
  used_[size_t(index)] = false;
  setImage(index, QImage());
  --count_;
}

TGlyphList& TGlyphCache::GetList(QSize size) {
  if (TGlyphList* list = Find(size)) return *list;
  lists_.push_back(std::make_unique<TGlyphList>(size.width(), size.height()));
  return *lists_.back();
}

TGlyphList* TGlyphCache::Find(QSize size) const {
  for (const auto& list : lists_)
    if (list->Width() == size.width() && list->Height() == size.height()) return list.get();
  return nullptr;
}

void TGlyphCache::ReturnList(TGlyphList* list) {
  if (!list || list->UseCount() > 0) return;
  lists_.erase(std::remove_if(lists_.begin(), lists_.end(), [list](const auto& l) { return l.get() == list; }),
               lists_.end());
}

TGlyphCache& GlyphCache() {
  static TGlyphCache cache;
  return cache;
}

}  // namespace tbz
