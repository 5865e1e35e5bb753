// Putting a Text on the clipboard. The blocks are made before the clipboard is opened, so
// a failed allocation leaves the clipboard exactly as it was.
#include <windows.h>

#include <cstring>

#include "app/faults.h"
#include "link/desktop.h"
#include "link/encoding_win32.h"
#include "ui/window_win32.h"

namespace {

long live_blocks = 0;  // global blocks the program owns; counted for test builds

// A movable global block, freed unless handed to the clipboard.
class GlobalBlock {
public:
    explicit GlobalBlock(std::size_t bytes)
        : handle_(fault("global-alloc") ? nullptr
                                        : GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {
        if (handle_ != nullptr) publish_counter(L"LinkGenGlobalBlocks", ++live_blocks);
    }
    ~GlobalBlock() {
        if (handle_ == nullptr) return;
        GlobalFree(handle_);
        publish_counter(L"LinkGenGlobalBlocks", --live_blocks);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }

    // Copies `bytes` bytes into the block.
    bool fill(const void* data, std::size_t bytes) {
        void* target = GlobalLock(handle_);
        if (target == nullptr) return false;
        std::memcpy(target, data, bytes);
        GlobalUnlock(handle_);
        return true;
    }

    // Hands the block to the clipboard, which owns it from then on. On failure the block
    // stays ours and is freed with this holder.
    bool hand_to_clipboard(UINT format) {
        if (fault("set-clipboard") || SetClipboardData(format, handle_) == nullptr) return false;
        handle_ = nullptr;
        publish_counter(L"LinkGenGlobalBlocks", --live_blocks);
        return true;
    }

private:
    HGLOBAL handle_;
};

// The clipboard, open for the lifetime of the holder.
class OpenClipboardSession {
public:
    explicit OpenClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardSession() {
        if (open_) CloseClipboard();
    }
    OpenClipboardSession(const OpenClipboardSession&) = delete;
    OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

bool put_text(const char* text) {
    const std::size_t bytes = std::strlen(text) + 1;
    const WideText wide = to_wide(text, text_code_page);
    const std::size_t wide_bytes = (lstrlenW(wide.get()) + 1) * sizeof(wchar_t);
    // Windows derives other text formats from CF_TEXT with this locale's code page.
    const LCID locale =
        MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);

    GlobalBlock ansi(bytes), unicode(wide_bytes), locale_block(sizeof locale);
    if (!ansi || !unicode || !locale_block || !ansi.fill(text, bytes) ||
        !unicode.fill(wide.get(), wide_bytes) || !locale_block.fill(&locale, sizeof locale)) {
        return false;
    }
    // Opened with the program's window: after EmptyClipboard, a clipboard opened without
    // an owner may refuse SetClipboardData.
    OpenClipboardSession clipboard(main_window_handle());
    if (!clipboard) return false;  // another program holds it: no wait, no retry
    EmptyClipboard();
    const bool ansi_set = ansi.hand_to_clipboard(CF_TEXT);
    const bool unicode_set = unicode.hand_to_clipboard(CF_UNICODETEXT);
    const bool locale_set = locale_block.hand_to_clipboard(CF_LOCALE);
    return ansi_set && unicode_set && locale_set;
}

}  // namespace

bool put_clipboard_text(const char* text) {
    const bool copied = put_text(text);
    publish_counter(L"LinkGenCopyResult", copied ? 1 : 2);
    return copied;
}
