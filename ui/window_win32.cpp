// Builds windows from their descriptions and runs them: click dispatch, window-level
// keys, focus on activation, dialog mode and closing.
#include "ui/window_win32.h"

#include <new>

#include "app/fatal.h"
#include "app/faults.h"
#include "app/window_keys.h"
#include "link/encoding_win32.h"
#include "ui/gui.h"
#include "ui/layout.h"
#include "ui/picture_box_win32.h"
#include "ui/window_order.h"

namespace {

constexpr wchar_t window_class[] = L"LinkGenWindow";
constexpr int icon_resource = 1;

struct DisabledWindow {
    HWND window;
    bool was_enabled;
};

// Per open window; lives from creation to WM_NCDESTROY.
struct WindowState {
    const WindowDesc* desc;
    HWND last_focus = nullptr;        // focused control when the window was last deactivated
    DisabledWindow disabled[8] = {};  // windows this one disabled while in dialog mode
    int disabled_count = 0;
};

HINSTANCE app_instance = nullptr;
HWND main_handle = nullptr;
HWND owner_handle = nullptr;           // invisible owner of dialog-mode windows; never shown
const WindowDesc* creating = nullptr;  // description of the window being created

WindowState* state_of(HWND hwnd) {
    wchar_t name[32];
    if (hwnd == nullptr || GetClassNameW(hwnd, name, 32) == 0 ||
        lstrcmpW(name, window_class) != 0) {
        return nullptr;
    }
    return reinterpret_cast<WindowState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND control_handle(HWND window, int index) {
    return GetDlgItem(window, place_of(index));
}

// Keeps the focused control, to give the focus back to it on the next activation.
void remember_focus(HWND hwnd, WindowState& state) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd, focus)) state.last_focus = focus;
}

// The control that gets the focus when the window is activated.
HWND focus_target(HWND hwnd, const WindowState& state) {
    if (state.last_focus != nullptr && IsWindow(state.last_focus) &&
        IsChild(hwnd, state.last_focus)) {
        return state.last_focus;
    }
    const int first = next_tab_stop(*state.desc, -1, true);
    return first >= 0 ? control_handle(hwnd, first) : hwnd;
}

void close_window(HWND hwnd, WindowState& state) {
    // The windows disabled for dialog mode are enabled again before this one goes, so
    // that activation passes back to them.
    for (int i = state.disabled_count; i-- > 0;) {
        const DisabledWindow& d = state.disabled[i];
        if (IsWindow(d.window)) EnableWindow(d.window, d.was_enabled);
    }
    state.disabled_count = 0;
    DestroyWindow(hwnd);
}

void dispatch_click(const WindowState& state, WPARAM wparam) {
    if (HIWORD(wparam) != BN_CLICKED) return;
    const int index = LOWORD(wparam) - 1;
    if (index < 0 || index >= static_cast<int>(state.desc->controls.size())) return;
    const ControlDesc& control = state.desc->controls[index];
    if (control.kind == ControlKind::button && control.on_click != nullptr) control.on_click();
}

LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    WindowState* state = reinterpret_cast<WindowState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_GETMINMAXINFO) {
        // A new window is clamped to the screen's maximum tracking size; a window larger
        // than the screen keeps its size only when that limit is raised.
        const WindowDesc* desc = state != nullptr ? state->desc : creating;
        if (desc != nullptr) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
            if (info->ptMaxTrackSize.x < desc->width) info->ptMaxTrackSize.x = desc->width;
            if (info->ptMaxTrackSize.y < desc->height) info->ptMaxTrackSize.y = desc->height;
        }
        return 0;
    }
    if (state == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);

    switch (message) {
        case WM_COMMAND:
            if (lparam != 0) dispatch_click(*state, wparam);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) {
                remember_focus(hwnd, *state);
            } else if (HIWORD(wparam) == 0) {  // not while minimised
                SetFocus(focus_target(hwnd, *state));
            }
            return 0;
        case WM_SYSCOMMAND:
            // Minimising takes the focus away without deactivating the window.
            if ((wparam & 0xFFF0) == SC_MINIMIZE) remember_focus(hwnd, *state);
            break;
        case WM_SETFOCUS: {
            // The window itself got the focus (restored, say): pass it on to its control.
            const HWND target = focus_target(hwnd, *state);
            if (target != hwnd) SetFocus(target);
            return 0;
        }
        case WM_CLOSE:
            close_window(hwnd, *state);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            delete state;
            if (hwnd == main_handle) {
                // The main window is the program's last window: the program ends.
                main_handle = nullptr;
                PostQuitMessage(0);
            }
            return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

struct ChildClass {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};

ChildClass child_class(ControlKind kind) {
    switch (kind) {
        case ControlKind::edit:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::label:
            return {L"STATIC", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0};
        case ControlKind::button:
            return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0};
        case ControlKind::picture:
            return {picture_box_class, 0, 0};
    }
    return {L"STATIC", 0, 0};
}

HICON load_icon(int size) {
    return static_cast<HICON>(LoadImageW(app_instance, MAKEINTRESOURCEW(icon_resource), IMAGE_ICON,
                                         size, size, LR_SHARED));
}

bool create_control(HWND parent, const ControlDesc& control, int place, HFONT font) {
    const ChildClass cls = child_class(control.kind);
    DWORD style = WS_CHILD | cls.style;
    if (control.tab_stop) style |= WS_TABSTOP;
    if (!control.enabled) style |= WS_DISABLED;
    const bool is_picture = control.kind == ControlKind::picture;
    const HWND child = CreateWindowExW(
        cls.ex_style, cls.name, is_picture ? L"" : to_wide(control.text, CP_UTF8).get(), style,
        control.left, control.top, control.width, control.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(place)), app_instance,
        is_picture ? const_cast<char*>(control.text) : nullptr);
    if (child == nullptr) return false;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

// Creates the window and its controls, not yet shown. Null when anything failed.
HWND build_window(const WindowDesc& desc, HWND owner) {
    auto* state = new (std::nothrow) WindowState{&desc};
    if (state == nullptr) fatal_out_of_memory(sizeof(WindowState));

    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    if (desc.minimize_box) style |= WS_MINIMIZEBOX;
    if (desc.maximize_box) style |= WS_MAXIMIZEBOX;
    const Point origin = centred_origin(GetSystemMetrics(SM_CXSCREEN),
                                        GetSystemMetrics(SM_CYSCREEN), desc.width, desc.height);
    creating = &desc;
    const HWND hwnd = fault("create-window", static_cast<std::size_t>(desc.width))
                          ? nullptr
                          : CreateWindowExW(0, window_class, to_wide(desc.caption, CP_UTF8).get(),
                                            style, origin.x, origin.y, desc.width, desc.height,
                                            owner, nullptr, app_instance, state);
    creating = nullptr;
    if (hwnd == nullptr) {
        delete state;
        return nullptr;
    }
    RECT rect;
    if (GetWindowRect(hwnd, &rect) &&
        (rect.right - rect.left != desc.width || rect.bottom - rect.top != desc.height)) {
        SetWindowPos(hwnd, nullptr, 0, 0, desc.width, desc.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    SendMessageW(hwnd, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(load_icon(GetSystemMetrics(SM_CXICON))));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(load_icon(GetSystemMetrics(SM_CXSMICON))));
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    for (std::size_t i : creation_order(desc)) {
        if (!create_control(hwnd, desc.controls[i], place_of(i), font)) {
            DestroyWindow(hwnd);
            return nullptr;
        }
    }
    for (std::size_t i : creation_order(desc)) {
        if (desc.controls[i].visible)
            ShowWindow(control_handle(hwnd, static_cast<int>(i)), SW_SHOW);
    }
    return hwnd;
}

HWND invisible_owner() {
    if (owner_handle == nullptr) {
        owner_handle = CreateWindowExW(0, window_class, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       app_instance, nullptr);
    }
    return owner_handle;
}

struct FindOpen {
    const WindowDesc* desc;
    HWND found;
};

BOOL CALLBACK find_open_window(HWND hwnd, LPARAM param) {
    auto* find = reinterpret_cast<FindOpen*>(param);
    const WindowState* state = state_of(hwnd);
    if (state == nullptr || state->desc != find->desc) return TRUE;
    find->found = hwnd;
    return FALSE;
}

struct DisableOthers {
    HWND dialog;
    WindowState* state;
};

// Disables every other unowned top-level window of the program, remembering its state.
BOOL CALLBACK disable_other_window(HWND hwnd, LPARAM param) {
    auto* d = reinterpret_cast<DisableOthers*>(param);
    WindowState& s = *d->state;
    if (hwnd == d->dialog || state_of(hwnd) == nullptr || GetParent(hwnd) != nullptr ||
        GetWindow(hwnd, GW_OWNER) != nullptr || s.disabled_count == 8) {
        return TRUE;
    }
    s.disabled[s.disabled_count++] = {hwnd, IsWindowEnabled(hwnd) != FALSE};
    EnableWindow(hwnd, FALSE);
    return TRUE;
}

}  // namespace

bool register_window_classes(HINSTANCE instance) {
    app_instance = instance;
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = window_proc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    cls.lpszClassName = window_class;
    return RegisterClassExW(&cls) != 0 && register_picture_box_class(instance);
}

HWND main_window_handle() {
    return main_handle;
}

bool handle_window_key(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    Key key;
    switch (msg.wParam) {
        case VK_TAB:
            key = Key::tab;
            break;
        case VK_RETURN:
            key = Key::enter;
            break;
        case VK_ESCAPE:
            key = Key::escape;
            break;
        default:
            return false;
    }
    const HWND window = GetAncestor(msg.hwnd, GA_ROOT);
    const WindowState* state = state_of(window);
    if (state == nullptr) return false;
    const KeyPress press{key, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                         GetKeyState(VK_MENU) < 0};
    const KeyAction action = window_key_action(*state->desc, press);
    switch (action) {
        case KeyAction::pass_on:
            return false;
        case KeyAction::close_window:
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        case KeyAction::focus_next:
        case KeyAction::focus_previous: {
            const HWND focus = GetFocus();
            const int current =
                focus != nullptr && GetParent(focus) == window ? GetDlgCtrlID(focus) - 1 : -1;
            const bool forward = action == KeyAction::focus_next;
            const int next = next_tab_stop(*state->desc, current, forward);
            if (next >= 0) SetFocus(control_handle(window, next));
            return true;
        }
    }
    return false;
}

namespace gui {

bool open_window(const WindowDesc& desc, bool dialog_mode) {
    FindOpen find{&desc, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), find_open_window, reinterpret_cast<LPARAM>(&find));
    if (find.found != nullptr) {
        if (IsIconic(find.found)) {
            ShowWindow(find.found, SW_RESTORE);
        } else {
            SetActiveWindow(find.found);
        }
        return true;
    }

    const HWND owner = dialog_mode ? invisible_owner() : nullptr;
    if (dialog_mode && owner == nullptr) return false;
    const HWND hwnd = build_window(desc, owner);
    if (hwnd == nullptr) return false;
    if (&desc == &main_window) main_handle = hwnd;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    if (!dialog_mode) return true;

    DisableOthers others{hwnd, state_of(hwnd)};
    EnumThreadWindows(GetCurrentThreadId(), disable_other_window,
                      reinterpret_cast<LPARAM>(&others));
    run_message_loop(hwnd);
    return true;
}

}  // namespace gui
