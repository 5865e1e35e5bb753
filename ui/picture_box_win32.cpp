#include "ui/picture_box_win32.h"

const wchar_t picture_box_class[] = L"LinkGenPicture";

namespace {

LRESULT CALLBACK picture_box_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd, &paint);
            FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_3DFACE));
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the background
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_picture_box_class(HINSTANCE instance) {
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = picture_box_proc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    cls.lpszClassName = picture_box_class;
    return RegisterClassExW(&cls) != 0;
}
