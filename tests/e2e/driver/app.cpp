#include "app.h"

#include "check.h"

namespace e2e {

void pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

bool wait_until(const std::function<bool()>& done, DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    for (;;) {
        if (done()) return true;
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
        pump(10);
    }
}

namespace {

INPUT key_input(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

void send(INPUT* inputs, UINT count) {
    SendInput(count, inputs, sizeof(INPUT));
    pump(60);  // let the program take the input before the next step looks
}

}  // namespace

void press_key(WORD vk, bool shift, bool alt, bool ctrl) {
    INPUT in[8];
    UINT n = 0;
    if (ctrl) in[n++] = key_input(VK_CONTROL, false);
    if (shift) in[n++] = key_input(VK_SHIFT, false);
    if (alt) in[n++] = key_input(VK_MENU, false);
    in[n++] = key_input(vk, false);
    in[n++] = key_input(vk, true);
    if (alt) in[n++] = key_input(VK_MENU, true);
    if (shift) in[n++] = key_input(VK_SHIFT, true);
    if (ctrl) in[n++] = key_input(VK_CONTROL, true);
    send(in, n);
}

void type_text(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT in[2] = {};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = c;
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        send(in, 2);
    }
}

void click_at(POINT screen) {
    // Every event carries the position: a late pointer motion from the X server cannot
    // move the press or the release elsewhere.
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT in[3] = {};
    const DWORD flags[3] = {at, at | MOUSEEVENTF_LEFTDOWN, at | MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dx = (screen.x * 65536 + sw - 1) / sw;
        in[i].mi.dy = (screen.y * 65536 + sh - 1) / sh;
        in[i].mi.dwFlags = flags[i];
    }
    send(in, 3);
}

std::string to_bytes(const std::wstring& text, UINT code_page) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(code_page, 0, text.c_str(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(code_page, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::wstring from_bytes(const std::string& bytes, UINT code_page) {
    if (bytes.empty()) return {};
    const int n =
        MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::wstring faults_build(const std::wstring& program) {
    return program.substr(0, program.size() - 4) + L"-faults.exe";
}

std::wstring show(const Rect& r) {
    return L"(" + num(r.left) + L"," + num(r.top) + L" " + num(r.width) + L"x" + num(r.height) +
           L")";
}

namespace {

struct FindWindow {
    DWORD pid;
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK find_window_of(HWND hwnd, LPARAM param) {
    auto* f = reinterpret_cast<FindWindow*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != f->pid || !IsWindowVisible(hwnd) || !(*f->match)(hwnd)) return TRUE;
    f->found = hwnd;
    return FALSE;
}

// The first visible top-level window of process `pid` that `match` accepts, or null.
HWND find_window(DWORD pid, const std::function<bool(HWND)>& match) {
    FindWindow f{pid, &match, nullptr};
    EnumWindows(find_window_of, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

bool has_class(HWND hwnd, const wchar_t* cls) {
    wchar_t name[64];
    return GetClassNameW(hwnd, name, 64) && lstrcmpW(name, cls) == 0;
}

}  // namespace

App::App(const std::wstring& exe, const std::wstring& extra_env) {
    // The environment of this process, plus the extra entries.
    std::wstring env;
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += lstrlenW(p) + 1) env.append(p).push_back(L'\0');
        FreeEnvironmentStringsW(block);
    }
    for (std::size_t start = 0; start < extra_env.size();) {
        std::size_t end = extra_env.find(L'\n', start);
        if (end == std::wstring::npos) end = extra_env.size();
        env.append(extra_env, start, end - start).push_back(L'\0');
        start = end + 1;
    }
    env.push_back(L'\0');

    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, env.data(), nullptr, &si, &pi)) {
        note(L"could not start " + exe + L": error " + num(GetLastError()));
        return;
    }
    process_ = pi.hProcess;
    process_id_ = pi.dwProcessId;
    CloseHandle(pi.hThread);
    WaitForInputIdle(process_, 10000);
    wait_until(
        [&] {
            // The main window is the one with eleven controls.
            main_ = find_window(process_id_, [](HWND w) {
                return has_class(w, L"LinkGenWindow") && GetDlgItem(w, 11) != nullptr;
            });
            return main_ != nullptr || exited() || other_window(L"#32770") != nullptr;
        },
        10000);
    if (main_ != nullptr) {
        thread_id_ = GetWindowThreadProcessId(main_, nullptr);
        wait_until([&] { return GetForegroundWindow() == main_; }, 5000);
        pump(100);
    }
}

App::~App() {
    close();
    if (process_ != nullptr) CloseHandle(process_);
}

void App::close() {
    if (process_ == nullptr || exited()) return;
    if (main_ != nullptr && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, 3000) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 3000);
    }
}

std::wstring App::text(HWND window) const {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 3000, &length);
    std::wstring out(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(out.data()),
                        SMTO_ABORTIFHUNG, 3000, &got);
    out.resize(got);
    return out;
}

void App::set_text(int place, const std::wstring& text) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control(place), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 3000, &result);
}

Rect App::client_rect(HWND child) const {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

HWND App::focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_id_, &info);
    return info.hwndFocus;
}

HWND App::active() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_id_, &info);
    return info.hwndActive;
}

int App::focused_place() const {
    const HWND f = focus();
    return f != nullptr && GetParent(f) == main_ ? GetDlgCtrlID(f) : 0;
}

void App::click(HWND control) const {
    RECT r;
    GetWindowRect(control, &r);
    click_at({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

HWND App::other_window(const wchar_t* cls) const {
    return find_window(process_id_, [&](HWND w) { return w != main_ && has_class(w, cls); });
}

DWORD App::exit_code(DWORD ms) const {
    DWORD code = STILL_ACTIVE;
    if (process_ != nullptr && WaitForSingleObject(process_, ms) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_, &code);
    }
    return code;
}

}  // namespace e2e
