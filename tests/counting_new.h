// Counts the program's allocations while CountAllocations is set. It replaces
// the global operator new, so include it in exactly one file of a program.
#pragma once
#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> Allocations{0};
inline std::atomic<bool> CountAllocations{false};

// The counting allocator hands out malloc's memory, so free is the match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
  if (CountAllocations) ++Allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
