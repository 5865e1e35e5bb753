// Conversions at the Text boundary. Inside, the program talks to Windows in UTF-16;
// Texts are code page 936 and the window descriptions are UTF-8. Converting with explicit
// code pages keeps every text right whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <utility>

#include "link/text.h"

constexpr UINT text_code_page = 936;

// A UTF-16 string on the process heap; exhausted memory takes the fatal ending.
class WideText {
public:
    WideText() = default;  // holds nothing
    explicit WideText(std::size_t chars);
    ~WideText();
    WideText(WideText&& other) noexcept : data_(other.data_) { other.data_ = nullptr; }
    WideText& operator=(WideText&& other) noexcept {
        std::swap(data_, other.data_);
        return *this;
    }
    WideText(const WideText&) = delete;
    WideText& operator=(const WideText&) = delete;
    wchar_t* get() const { return data_; }

private:
    wchar_t* data_ = nullptr;
};

// `text` (null means "") in `code_page`, as UTF-16.
WideText to_wide(const char* text, UINT code_page);

// `length` UTF-16 units as a new code page 936 Text; null when `length` is 0. A character
// that code page 936 cannot represent becomes one '?' (no best-fit look-alikes), and so
// does each lone surrogate.
Text to_text(const wchar_t* wide, int length);
