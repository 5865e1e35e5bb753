// The heap behind Texts. The platform layer implements it (the process heap on Windows);
// tests replace it to count or refuse allocations.
#pragma once

#include <cstddef>

// A block of `bytes` bytes, or null when memory is exhausted.
void* heap_alloc(std::size_t bytes);
// Frees a block from heap_alloc; null is ignored.
void heap_free(void* block);
