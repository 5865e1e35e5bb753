// The nearest limit for start-up: one window of the main window's size, shown, then
// the message loop until it is closed. Built with the program's toolchain and flags.
// Built once more with BARE_PICTURE as the limit for the help window: sent WM_APP, that
// program decodes the help picture and shows it.
#include <windows.h>

#ifdef BARE_PICTURE
#include "bare_picture.h"
#endif

namespace {

LRESULT CALLBACK bare_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
#ifdef BARE_PICTURE
    if (message == WM_APP) {
        show_picture(hwnd);
        return 0;
    }
#endif
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = bare_proc;
    cls.hInstance = instance;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    cls.lpszClassName = L"BareWindow";
    if (RegisterClassExW(&cls) == 0) return 1;
#ifdef BARE_PICTURE
    if (!register_picture_class(instance)) return 1;
#endif
    const HWND window = CreateWindowExW(
        0, cls.lpszClassName, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        CW_USEDEFAULT, CW_USEDEFAULT, 406, 148, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
