// Reading and writing the text of the main window's boxes.
#include <windows.h>

#include "link/encoding_win32.h"
#include "ui/gui.h"
#include "ui/window_win32.h"

namespace gui {

namespace {
HWND box_handle(MainControl box) {
    return GetDlgItem(main_window_handle(), static_cast<int>(box));
}
}  // namespace

Text read_box(MainControl box) {
    const HWND handle = box_handle(box);
    const int length = GetWindowTextLengthW(handle);
    if (length <= 0) return nullptr;
    WideText wide(static_cast<std::size_t>(length) + 1);
    return to_text(wide.get(), GetWindowTextW(handle, wide.get(), length + 1));
}

void write_box(MainControl box, const char* text) {
    SetWindowTextW(box_handle(box), to_wide(text, text_code_page).get());
}

}  // namespace gui
