#include "bench/CountingAllocator.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> gInUse{0};
std::atomic<std::size_t> gPeak{0};
}  // namespace

namespace bench {
std::size_t HeapInUse() {
    return gInUse;
}
std::size_t HeapPeak() {
    return gPeak;
}
void ResetHeapPeak() {
    gPeak = gInUse.load();
}
}  // namespace bench

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p) throw std::bad_alloc();
    const std::size_t now = gInUse += malloc_usable_size(p);
    std::size_t peak = gPeak;
    while (now > peak && !gPeak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void operator delete(void* p) noexcept {
    if (!p) return;
    gInUse -= malloc_usable_size(p);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}
