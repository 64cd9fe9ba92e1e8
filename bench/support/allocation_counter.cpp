#include "support/allocation_counter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>

#include <malloc.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace quorvane::bench {
namespace {

std::atomic<bool> counting{false};
std::atomic<std::int64_t> held{0};
std::atomic<std::int64_t> peak{0};

void Add(void* block) {
  if (block == nullptr || !counting.load(std::memory_order_relaxed)) {
    return;
  }
  const std::int64_t now =
      held.fetch_add(static_cast<std::int64_t>(malloc_usable_size(block)), std::memory_order_relaxed) +
      static_cast<std::int64_t>(malloc_usable_size(block));
  std::int64_t highest = peak.load(std::memory_order_relaxed);
  while (now > highest && !peak.compare_exchange_weak(highest, now, std::memory_order_relaxed)) {
  }
}

void Remove(void* block) {
  if (block != nullptr && counting.load(std::memory_order_relaxed)) {
    held.fetch_sub(static_cast<std::int64_t>(malloc_usable_size(block)), std::memory_order_relaxed);
  }
}

}  // namespace

void StartCounting() {
  held.store(0);
  peak.store(0);
  counting.store(true);
}

std::int64_t StopCounting() {
  counting.store(false);
  return peak.load();
}

}  // namespace quorvane::bench

using quorvane::bench::Add;
using quorvane::bench::Remove;

extern "C" {

void* malloc(std::size_t size) noexcept {
  void* block = __libc_malloc(size);
  Add(block);
  return block;
}

void* calloc(std::size_t count, std::size_t size) noexcept {
  void* block = __libc_calloc(count, size);
  Add(block);
  return block;
}

void* realloc(void* block, std::size_t size) noexcept {
  Remove(block);
  void* moved = __libc_realloc(block, size);
  Add(moved == nullptr && size != 0 ? block : moved);
  return moved;
}

void free(void* block) noexcept {
  Remove(block);
  __libc_free(block);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
  void* block = __libc_memalign(alignment, size);
  Add(block);
  return block;
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  return memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept {
  void* block = memalign(alignment, size);
  if (block == nullptr) {
    return ENOMEM;
  }
  *result = block;
  return 0;
}

}  // extern "C"
