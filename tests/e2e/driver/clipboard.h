// The clipboard as another program sees it, through a window of the driver's own.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class Clipboard {
public:
    Clipboard();
    ~Clipboard();
    // Replaces the clipboard's content with `text` as Unicode text.
    bool put(const std::wstring& text);
    // The bytes of CF_TEXT (terminator excluded), the text of CF_UNICODETEXT, CF_LOCALE.
    bool has(UINT format);
    std::string ansi();
    std::wstring unicode();
    LCID locale();
    // Holds the clipboard open until release().
    bool hold();
    void release();

private:
    bool open();
    HWND window_;
    bool held_ = false;
};

}  // namespace e2e
