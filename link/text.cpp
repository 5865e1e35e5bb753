#include "link/text.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)

namespace {

// The aligned block at `address`, which may hold bytes outside the text (see measure).
__attribute__((no_sanitize_address)) __m128i load_block(std::uintptr_t address) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(address));
}

// The positions of the zero bytes in a 16-byte block, as bits.
unsigned zero_bytes(__m128i bytes) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_setzero_si128())));
}

// Bytes before the terminator, found sixteen at a time (some C runtimes' strlen, Wine's
// msvcrt among them, goes byte by byte: a 30,000-byte join was thirty times slower than
// its copy). Only aligned blocks are read, of 16 bytes and further on of 64: such a block
// never crosses a page boundary, so reading its bytes before the text or beyond the
// terminator cannot fault. Blocks are addressed as integers, since they may start before
// the text.
std::size_t measure(const char* text) {
    const auto start = reinterpret_cast<std::uintptr_t>(text);
    std::uintptr_t block = start - start % 16;
    unsigned zeros = zero_bytes(load_block(block)) >> (start % 16);  // the text's bytes only
    if (zeros != 0) return __builtin_ctz(zeros);
    for (block += 16; block % 64 != 0; block += 16) {
        if ((zeros = zero_bytes(load_block(block))) != 0)
            return block + __builtin_ctz(zeros) - start;
    }
    for (;; block += 64) {
        const __m128i a = load_block(block), b = load_block(block + 16), c = load_block(block + 32),
                      d = load_block(block + 48);
        // The smallest byte of each position is zero only where some block has a zero.
        if (zero_bytes(_mm_min_epu8(_mm_min_epu8(a, b), _mm_min_epu8(c, d))) == 0) continue;
        const std::uint64_t all = zero_bytes(a) | std::uint64_t{zero_bytes(b)} << 16 |
                                  std::uint64_t{zero_bytes(c)} << 32 |
                                  std::uint64_t{zero_bytes(d)} << 48;
        return block + __builtin_ctzll(all) - start;
    }
}

}  // namespace

#else

namespace {

std::size_t measure(const char* text) {
    return std::strlen(text);
}

}  // namespace

#endif

std::size_t text_length(const char* text) {
    return text == nullptr ? 0 : measure(text);
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
