// Text: a zero-terminated byte string in code page 936 (a Chinese character takes two bytes).
// Lengths are counted in bytes. A null Text stands for the empty text "".
#pragma once

#include <concepts>
#include <cstddef>
#include <memory>

using Text = char*;

// A new block of `bytes` bytes; never null (exhausted memory takes the fatal ending).
Text text_alloc(std::size_t bytes);

// Frees a Text; a null Text is ignored.
void text_release(Text text);

// Bytes before the terminator; a null Text measures 0.
std::size_t text_length(const char* text);

// Joins `count` parts (null parts count as "") into one new Text with a single allocation.
Text join_text_parts(std::size_t count, const char* const* parts, std::size_t* lengths);

// join_texts(a, b, c): the parts in argument order, one allocation, never null.
template <class... Parts>
Text join_texts(Parts... parts) {
    static_assert(sizeof...(Parts) >= 1, "join_texts needs at least one part");
    static_assert((std::convertible_to<Parts, const char*> && ...), "parts are Texts");
    const char* const list[] = {parts...};
    std::size_t lengths[sizeof...(Parts)];
    return join_text_parts(sizeof...(Parts), list, lengths);
}

struct TextDeleter {
    void operator()(char* text) const { text_release(text); }
};
// Owns one Text and releases it exactly once.
using OwnedText = std::unique_ptr<char, TextDeleter>;
