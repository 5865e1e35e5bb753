#include "ui/picture_box_win32.h"

#include "link/encoding_win32.h"
#include "ui/picture_decoder_win32.h"

const wchar_t picture_box_class[] = L"LinkGenPicture";

namespace {

HBITMAP picture_of(HWND hwnd) {
    return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The background colour, then the picture at its natural size from the top-left corner;
// what lies beyond the box's edges is cut off.
void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_3DFACE));
    if (const HBITMAP picture = picture_of(hwnd)) {
        BITMAP size;
        GetObjectW(picture, sizeof size, &size);
        if (const HDC mem = CreateCompatibleDC(dc)) {
            const HGDIOBJ old = SelectObject(mem, picture);
            BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteDC(mem);
        }
    }
    EndPaint(hwnd, &ps);
}

// Each picture box decodes its picture anew; a picture that cannot be decoded leaves
// the box in its background colour.
void load(HWND hwnd, const CREATESTRUCTW& create) {
    const char* name = static_cast<const char*>(create.lpCreateParams);
    if (name == nullptr) return;
    const HBITMAP picture = decode_picture_resource(create.hInstance, to_wide(name, CP_UTF8).get());
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
}

LRESULT CALLBACK picture_box_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            load(hwnd, *reinterpret_cast<const CREATESTRUCTW*>(lparam));
            return 0;
        case WM_PAINT:
            paint(hwnd);
            return 0;
        case WM_DESTROY:
            if (const HBITMAP picture = picture_of(hwnd)) DeleteObject(picture);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            return 0;
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
