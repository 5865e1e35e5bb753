// Start-up: the main window, then the message loop until it is closed.
#include <windows.h>

#include "app/fatal.h"
#include "ui/gui.h"
#include "ui/main_window.h"
#include "ui/window_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (!register_window_classes(instance) || !gui::open_window(main_window, false)) {
        fatal_ending("无法创建主窗口，程序将退出。");
    }
    return run_message_loop(nullptr);
}
