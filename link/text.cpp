#include "link/text.h"

#include <cstring>

#include "app/fatal.h"
#include "link/heap.h"

Text text_alloc(std::size_t bytes) {
    void* block = heap_alloc(bytes);
    if (block == nullptr) fatal_out_of_memory(bytes);
    return static_cast<Text>(block);
}

void text_release(Text text) {
    if (text != nullptr) heap_free(text);
}

std::size_t text_length(const char* text) {
    return text == nullptr ? 0 : std::strlen(text);
}

Text join_text_parts(std::size_t count, const char* const* parts, std::size_t* lengths) {
    std::size_t total = 1;  // the terminator
    for (std::size_t i = 0; i < count; ++i) {
        lengths[i] = text_length(parts[i]);
        total += lengths[i];
    }
    Text joined = text_alloc(total);
    char* out = joined;
    for (std::size_t i = 0; i < count; ++i) {
        if (lengths[i] == 0) continue;  // never touches a null part
        std::memcpy(out, parts[i], lengths[i]);
        out += lengths[i];
    }
    *out = '\0';
    return joined;
}
