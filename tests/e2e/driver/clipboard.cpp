#include "clipboard.h"

#include <cstring>

#include "app.h"

namespace e2e {

Clipboard::Clipboard()
    : window_(CreateWindowExW(0, L"STATIC", L"clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              nullptr, nullptr)) {}

Clipboard::~Clipboard() {
    release();
    DestroyWindow(window_);
}

bool Clipboard::open() {
    if (held_) return true;
    return wait_until([&] { return OpenClipboard(window_) != FALSE; }, 2000);
}

bool Clipboard::put(const std::wstring& text) {
    if (!open()) return false;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    const bool ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!held_) CloseClipboard();
    return ok;
}

bool Clipboard::has(UINT format) {
    return IsClipboardFormatAvailable(format) != FALSE;
}

namespace {
template <class T>
std::basic_string<T> read(HWND window, UINT format, bool held) {
    std::basic_string<T> out;
    if (!held && !OpenClipboard(window)) return out;
    if (HANDLE data = GetClipboardData(format)) {
        if (const T* p = static_cast<const T*>(GlobalLock(data))) {
            const std::size_t limit = GlobalSize(data) / sizeof(T);
            std::size_t n = 0;
            while (n < limit && p[n] != 0) ++n;
            out.assign(p, n);
            GlobalUnlock(data);
        }
    }
    if (!held) CloseClipboard();
    return out;
}
}  // namespace

std::string Clipboard::ansi() {
    return read<char>(window_, CF_TEXT, held_);
}
std::wstring Clipboard::unicode() {
    return read<wchar_t>(window_, CF_UNICODETEXT, held_);
}

LCID Clipboard::locale() {
    LCID id = 0;
    if (!held_ && !OpenClipboard(window_)) return id;
    if (HANDLE data = GetClipboardData(CF_LOCALE)) {
        if (const LCID* p = static_cast<const LCID*>(GlobalLock(data))) {
            id = *p;
            GlobalUnlock(data);
        }
    }
    if (!held_) CloseClipboard();
    return id;
}

bool Clipboard::hold() {
    return held_ = open();
}

void Clipboard::release() {
    if (held_) CloseClipboard();
    held_ = false;
}

}  // namespace e2e
