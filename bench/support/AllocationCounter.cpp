#include "support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<int64_t> Allocations{0};
}  // namespace

int64_t AllocationCount() { return Allocations.load(); }

void* operator new(std::size_t Size) {
  Allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* Block = std::malloc(Size ? Size : 1)) return Block;
  throw std::bad_alloc();
}
void operator delete(void* Block) noexcept { std::free(Block); }
void operator delete(void* Block, std::size_t) noexcept { std::free(Block); }
