#pragma once
// The 256-entry palette of an 8-bit display.
#include <array>
#include <cstddef>
#include <functional>

#include "platform/draw/dd_types.h"

namespace platform {

class DDPalette {
 public:
  using Entries = std::array<PALETTEENTRY, 256>;

  explicit DDPalette(const Entries& entries) : entries_(entries) {}

  // Copies count entries from start; a range outside 0..255 is DDERR_INVALIDPARAMS.
  HRESULT GetEntries(int start, int count, PALETTEENTRY* out) const;
  HRESULT SetEntries(int start, int count, const PALETTEENTRY* in);

  const Entries& entries() const { return entries_; }
  // Counts every SetEntries, so that callers can see how often the display changed.
  size_t updateCount() const { return updates_; }
  // Told after every SetEntries: the primary surface shows its frame again, as a
  // display shows a palette change at once.
  std::function<void()> onChange;

 private:
  Entries entries_;
  size_t updates_ = 0;
};

}  // namespace platform
