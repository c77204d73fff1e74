#pragma once

#include <cstddef>

// Heap bytes in use and their peak, counted by a replacement of the global operator new. Its
// own file, so that the compiler does not inline the replacement into its callers.
namespace bench {

std::size_t HeapInUse();
std::size_t HeapPeak();
void ResetHeapPeak();

}  // namespace bench
