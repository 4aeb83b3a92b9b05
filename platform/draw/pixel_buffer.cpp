#include "platform/draw/pixel_buffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace platform {

namespace {

size_t hugeBlockSize(size_t bytes) { return (bytes + kHugePixelBlock - 1) / kHugePixelBlock * kHugePixelBlock; }

}  // namespace

void* allocatePixels(size_t bytes) {
  if (bytes < kHugePixelBlock) return ::operator new(bytes);
  const size_t size = hugeBlockSize(bytes);
  void* block = std::aligned_alloc(kHugePixelBlock, size);
  if (!block) throw std::bad_alloc();
  // Only advice: without huge pages the block works the same, more slowly.
  madvise(block, size, MADV_HUGEPAGE);
  return block;
}

void freePixels(void* block, size_t bytes) {
  if (bytes < kHugePixelBlock) ::operator delete(block);
  else std::free(block);
}

}  // namespace platform
