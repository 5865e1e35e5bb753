#include "link/encoding_win32.h"

#include <algorithm>

#include "app/fatal.h"
#include "link/heap.h"

WideText::WideText(std::size_t chars) {
    const std::size_t bytes = chars * sizeof(wchar_t);
    data_ = static_cast<wchar_t*>(heap_alloc(bytes));
    if (data_ == nullptr) fatal_out_of_memory(bytes);
}

WideText::~WideText() {
    heap_free(data_);
}

WideText to_wide(const char* text, UINT code_page) {
    if (text == nullptr) text = "";
    const int chars = MultiByteToWideChar(code_page, 0, text, -1, nullptr, 0);
    WideText wide(chars > 0 ? chars : 1);
    if (chars <= 0 || MultiByteToWideChar(code_page, 0, text, -1, wide.get(), chars) <= 0) {
        wide.get()[0] = L'\0';
    }
    return wide;
}

namespace {

bool is_high_surrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool is_low_surrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool is_surrogate(wchar_t c) {
    return is_high_surrogate(c) || is_low_surrogate(c);
}

// Copies `length` units to `out`, each surrogate pair and each lone surrogate as one '?';
// returns the units written.
int fold_surrogates(const wchar_t* wide, int length, wchar_t* out) {
    int written = 0;
    for (int i = 0; i < length; ++i) {
        out[written++] = is_surrogate(wide[i]) ? L'?' : wide[i];
        if (is_high_surrogate(wide[i]) && i + 1 < length && is_low_surrogate(wide[i + 1])) ++i;
    }
    return written;
}

}  // namespace

Text to_text(const wchar_t* wide, int length) {
    if (length <= 0) return nullptr;
    // Code page 936 has no character beyond the Basic Multilingual Plane: each one (a
    // surrogate pair) becomes a single '?', like any other character the code page lacks.
    WideText folded;
    if (std::any_of(wide, wide + length, is_surrogate)) {
        folded = WideText(length);
        length = fold_surrogates(wide, length, folded.get());
        wide = folded.get();
    }
    // No best fit: a missing character becomes '?', never a look-alike that could change
    // what the link means.
    constexpr DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int bytes =
        WideCharToMultiByte(text_code_page, flags, wide, length, nullptr, 0, nullptr, nullptr);
    Text text = text_alloc(bytes > 0 ? bytes + 1 : 1);
    const int written = bytes > 0 ? WideCharToMultiByte(text_code_page, flags, wide, length, text,
                                                        bytes, nullptr, nullptr)
                                  : 0;
    text[written > 0 ? written : 0] = '\0';
    return text;
}
