#include "platform/draw/dd_palette.h"

#include <algorithm>

namespace platform {

namespace {
bool validRange(int start, int count) { return start >= 0 && count >= 0 && start + count <= 256; }
}  // namespace

HRESULT DDPalette::GetEntries(int start, int count, PALETTEENTRY* out) const {
  if (!validRange(start, count) || (count > 0 && !out)) return DDERR_INVALIDPARAMS;
  std::copy_n(entries_.begin() + start, count, out);
  return DD_OK;
}

HRESULT DDPalette::SetEntries(int start, int count, const PALETTEENTRY* in) {
  if (!validRange(start, count) || (count > 0 && !in)) return DDERR_INVALIDPARAMS;
  std::copy_n(in, count, entries_.begin() + start);
  ++updates_;
  if (onChange) onChange();
  return DD_OK;
}

}  // namespace platform
