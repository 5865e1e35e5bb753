#include "link/encoding_win32.h"

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

Text to_text(const wchar_t* wide, int length) {
    if (length <= 0) return nullptr;
    const int bytes =
        WideCharToMultiByte(text_code_page, 0, wide, length, nullptr, 0, nullptr, nullptr);
    Text text = text_alloc(bytes > 0 ? bytes + 1 : 1);
    const int written = bytes > 0 ? WideCharToMultiByte(text_code_page, 0, wide, length, text,
                                                        bytes, nullptr, nullptr)
                                  : 0;
    text[written > 0 ? written : 0] = '\0';
    return text;
}
