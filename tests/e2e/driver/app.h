// Drives the real program from outside its process: starts it, finds its windows and
// controls, sends real input and reads what the user would see.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

// Waits, pumping this thread's messages, until `done` holds or `ms` have passed.
bool wait_until(const std::function<bool()>& done, DWORD ms = 3000);
void pump(DWORD ms);

// Input as the user gives it: to the foreground window and the control with the focus.
void press_key(WORD vk, bool shift = false, bool alt = false, bool ctrl = false);
void type_text(const std::wstring& text);
void click_at(POINT screen);

// Converts between UTF-16 and a code page's bytes.
std::string to_bytes(const std::wstring& text, UINT code_page);
std::wstring from_bytes(const std::string& bytes, UINT code_page);

// The test build with injection points, built beside `program` (NAME.exe -> NAME-faults.exe).
std::wstring faults_build(const std::wstring& program);

struct Rect {
    long left, top, width, height;
    friend bool operator==(const Rect&, const Rect&) = default;
};
std::wstring show(const Rect& r);

class App {
public:
    // Starts `exe` with extra environment entries ("NAME=value").
    App(const std::wstring& exe, const std::wstring& extra_env = L"");
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    bool started() const { return main_ != nullptr; }
    HWND main() const { return main_; }
    DWORD thread_id() const { return thread_id_; }
    HANDLE process() const { return process_; }
    DWORD process_id() const { return process_id_; }
    // A counter the test build publishes on its main window (0 until it is first set).
    long counter(const wchar_t* name) const {
        return static_cast<long>(reinterpret_cast<INT_PTR>(GetPropW(main_, name)));
    }

    // The main window's control at `place` (its place in the list, from 1).
    HWND control(int place) const { return GetDlgItem(main_, place); }
    std::wstring text(HWND window) const;
    std::wstring text(int place) const { return text(control(place)); }
    void set_text(int place, const std::wstring& text) const;
    // A control's rectangle relative to its parent's client area.
    Rect client_rect(HWND child) const;
    // The place of the control with the keyboard focus; 0 when none of the main window's.
    int focused_place() const;
    HWND focus() const;
    HWND active() const;
    // Clicks the centre of a control with the mouse.
    void click(HWND control) const;
    void click(int place) const { click(control(place)); }

    // A visible top-level window of the program other than the main window, of class
    // `cls`, or null.
    HWND other_window(const wchar_t* cls) const;
    bool exited() const { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }
    // Exit code once the process has ended within `ms`; STILL_ACTIVE otherwise.
    DWORD exit_code(DWORD ms = 5000) const;
    // Closes the program if it still runs, and waits for it.
    void close();

private:
    HANDLE process_ = nullptr;
    DWORD process_id_ = 0, thread_id_ = 0;
    HWND main_ = nullptr;
};

}  // namespace e2e
