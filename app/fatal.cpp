#include "app/fatal.h"

#include <cstdio>

void fatal_ending(const char* message) {
    show_error_box(message);
    end_process(-1);
}

void fatal_out_of_memory(std::size_t bytes) {
    // Formatted on the stack: no memory is left to ask for.
    char message[128];
    std::snprintf(message, sizeof message, "内存不足：无法分配 %zu 字节。程序将退出。", bytes);
    fatal_ending(message);
}
