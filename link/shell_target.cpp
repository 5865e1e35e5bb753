#include "link/shell_target.h"

#include <cstring>

Text shell_target(const char* text) {
    static constexpr char escaped_quote[] = "%22";
    const std::size_t extra = sizeof escaped_quote - 2;  // "%22" replaces one byte
    std::size_t length = 0, quotes = 0;
    for (const char* p = text; *p != '\0'; ++p, ++length) quotes += (*p == '"');
    Text target = text_alloc(length + quotes * extra + 1);
    char* out = target;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '"') {
            std::memcpy(out, escaped_quote, sizeof escaped_quote - 1);
            out += sizeof escaped_quote - 1;
        } else {
            *out++ = *p;
        }
    }
    *out = '\0';
    return target;
}
