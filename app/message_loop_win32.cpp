#include "ui/window_win32.h"

int run_message_loop(HWND wait_for) {
    MSG msg = {};
    for (;;) {
        if (wait_for != nullptr && !IsWindow(wait_for)) return 0;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        if (handle_window_key(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    const int code = static_cast<int>(msg.wParam);
    // A nested loop hands the quit request on to the loop around it.
    if (wait_for != nullptr) PostQuitMessage(code);
    return code;
}
