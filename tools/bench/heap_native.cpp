// The heap and the fatal ending's platform side for the native benchmark build.
#include <cstdio>
#include <cstdlib>

#include "app/fatal.h"
#include "link/heap.h"

void* heap_alloc(std::size_t bytes) {
    return std::malloc(bytes);
}

void heap_free(void* block) {
    std::free(block);
}

void show_error_box(const char* message) {
    std::fprintf(stderr, "%s\n", message);
}

void end_process(int code) {
    std::exit(code);
}
