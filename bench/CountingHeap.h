// CountingHeap: replaces the global operator new and delete of a benchmark program with ones that
// count the heap bytes in use (with glibc's 8-byte chunk header) and the allocations made, so a
// benchmark can state what an object costs in memory.
//
// It counts only inside a CountingScope, so that what a program times outside one pays nothing for
// the counting (a load of many small objects would otherwise pay for it in every allocation).
//
// It defines the replacements themselves, so exactly one source file of a program includes it.
#pragma once

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace zxbench {

inline std::atomic<long long> g_heapBytes{0};
inline std::atomic<long long> g_allocations{0};
inline std::atomic<bool> g_counting{false};

// Counts the allocations and frees made while it lives.
class CountingScope {
public:
    CountingScope() { g_counting = true; }
    ~CountingScope() { g_counting = false; }
    CountingScope(const CountingScope&) = delete;
    CountingScope& operator=(const CountingScope&) = delete;
};

}  // namespace zxbench

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    if (zxbench::g_counting.load(std::memory_order_relaxed)) {
        zxbench::g_heapBytes += static_cast<long long>(malloc_usable_size(p) + 8);
        ++zxbench::g_allocations;
    }
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    if (zxbench::g_counting.load(std::memory_order_relaxed))
        zxbench::g_heapBytes -= static_cast<long long>(malloc_usable_size(p) + 8);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
