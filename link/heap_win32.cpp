#include <windows.h>

#include "app/faults.h"
#include "link/heap.h"

void* heap_alloc(std::size_t bytes) {
    if (fault("alloc", bytes)) return nullptr;
    return HeapAlloc(GetProcessHeap(), 0, bytes);
}

void heap_free(void* block) {
    if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}
