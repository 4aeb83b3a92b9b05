#pragma once
// The pixel memory of bitmaps. A buffer the size of a long level (a hundred
// megabytes and more) is asked of the kernel in huge pages: in 4 KiB pages a
// fresh picture of 170 MB takes over 40,000 page faults before its first pixel
// is drawn, which on a virtual machine costs seconds.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// Blocks from this size on are aligned to a huge page and advised to use them.
inline constexpr size_t kHugePixelBlock = size_t(2) << 20;

void* allocatePixels(size_t bytes);
void freePixels(void* block, size_t bytes);

template <class T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <class U>
  PixelAllocator(const PixelAllocator<U>&) {}
  T* allocate(size_t n) { return static_cast<T*>(allocatePixels(n * sizeof(T))); }
  void deallocate(T* block, size_t n) { freePixels(block, n * sizeof(T)); }
  template <class U>
  bool operator==(const PixelAllocator<U>&) const { return true; }
};

using PixelBuffer = std::vector<uint8_t, PixelAllocator<uint8_t>>;

}  // namespace platform
