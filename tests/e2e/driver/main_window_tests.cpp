// The main window as the user meets it: place, size, controls, focus and keys.
#include <windows.h>

#include <vector>

#include "app.h"
#include "check.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

namespace {

struct ExpectedControl {
    int place;
    const wchar_t* name;
    const wchar_t* cls;
    Rect rect;
    const wchar_t* text;
};

const ExpectedControl expected_controls[] = {
    {按钮5, L"按钮5", L"Button", {352, 16, 40, 64}, L"帮助"},
    {按钮4, L"按钮4", L"Button", {288, 8, 56, 32}, L"打开网易云"},
    {按钮3, L"按钮3", L"Button", {288, 56, 56, 32}, L"浏览器播放"},
    {按钮2, L"按钮2", L"Button", {225, 56, 56, 32}, L"复制外链"},
    {编辑框4, L"编辑框4", L"Edit", {16, 152, 328, 24}, L".mp3"},
    {编辑框3, L"编辑框3", L"Edit", {16, 120, 328, 24}, prefix},
    {按钮1, L"按钮1", L"Button", {224, 8, 56, 32}, L"生成"},
    {标签2, L"标签2", L"Static", {0, 56, 56, 24}, L"外链地址："},
    {编辑框2, L"编辑框2", L"Edit", {72, 56, 144, 24}, L""},
    {标签1, L"标签1", L"Static", {8, 8, 48, 24}, L"歌曲ID："},
    {编辑框1, L"编辑框1", L"Edit", {56, 8, 160, 24}, L"864443401"},
};

// Where the main window's top-left corner belongs on the screens the tests use.
struct ScreenCase {
    int width, height;
    POINT origin;
};
const ScreenCase screens[] = {
    {1025, 769, {309, 310}},  // odd size: the half pixel is dropped
    {1024, 768, {309, 310}},
    {300, 100, {-53, -24}},  // smaller than the window: partly off the screen
};

std::pair<DWORD, DWORD> selection(HWND edit) {
    DWORD_PTR packed = 0;  // start in the low word, end in the high word
    SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 3000, &packed);
    return {LOWORD(packed), HIWORD(packed)};
}

// Pixels of the program icon's red within a rectangle of the screen.
int red_pixels(int left, int top, int width, int height) {
    const HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            count += GetRValue(c) > 150 && GetGValue(c) < 90 && GetBValue(c) < 90;
        }
    }
    ReleaseDC(nullptr, screen);
    return count;
}

}  // namespace

void layout_tests(const std::wstring& program) {
    begin_case(L"main window at start");
    App app(program);
    if (!CHECK(app.started(), L"the main window appears")) return;

    RECT outer;
    GetWindowRect(app.main(), &outer);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    bool known_screen = false;
    for (const ScreenCase& s : screens) {
        if (s.width != sw || s.height != sh) continue;
        known_screen = true;
        CHECK_EQ((Rect{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top}),
                 (Rect{s.origin.x, s.origin.y, 406, 148}), L"outer rectangle, centred");
    }
    CHECK(known_screen, L"the test screen is one whose centred position is known");

    RECT client;
    GetClientRect(app.main(), &client);
    CHECK_EQ(client.right, 400L, L"client area width");
    CHECK(client.bottom >= 116 && client.bottom <= 123,
          L"client area height 116..123, got " + num(client.bottom));
    CHECK_EQ(app.text(app.main()), std::wstring(), L"caption text");
    const LONG style = GetWindowLongW(app.main(), GWL_STYLE);
    CHECK((style & WS_MINIMIZEBOX) && (style & WS_SYSMENU), L"minimise and close buttons");
    CHECK(!(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME), L"no maximise, not resizable");
    CHECK(GetWindow(app.main(), GW_OWNER) == nullptr, L"unowned: a taskbar entry of its own");
    // Wine answers no icon query across processes, so look at the caption bar instead.
    if (outer.left >= 0 && outer.top >= 0) {
        CHECK(red_pixels(outer.left, outer.top, 28, 26) > 40,
              L"the red program icon in the caption bar");
    }

    // The version resource, as Explorer's file properties show it.
    std::wstring description;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    std::vector<char> info(size);
    wchar_t* value = nullptr;
    UINT length = 0;
    if (size != 0 && GetFileVersionInfoW(program.c_str(), 0, size, info.data()) &&
        VerQueryValueW(info.data(), L"\\StringFileInfo\\080404b0\\FileDescription",
                       reinterpret_cast<void**>(&value), &length)) {
        description.assign(value, length > 0 ? length - 1 : 0);
    }
    CHECK_EQ(description, std::wstring(L"网易云歌曲外链生成"), L"file description");

    int children = 0;
    for (HWND c = GetWindow(app.main(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++children;
    CHECK_EQ(children, 11, L"number of controls");
    for (const ExpectedControl& e : expected_controls) {
        const HWND c = app.control(e.place);
        if (!CHECK(c != nullptr, std::wstring(e.name) + L" exists")) continue;
        wchar_t cls[32];
        GetClassNameW(c, cls, 32);
        CHECK_EQ(std::wstring(cls), std::wstring(e.cls), std::wstring(e.name) + L" kind");
        CHECK_EQ(app.client_rect(c), e.rect,
                 std::wstring(e.name) + L" rectangle in the client area");
        CHECK_EQ(app.text(c), std::wstring(e.text), std::wstring(e.name) + L" text");
        CHECK(IsWindowVisible(c) && IsWindowEnabled(c),
              std::wstring(e.name) + L" visible and enabled");
    }
    CHECK_EQ(GetForegroundWindow(), app.main(), L"the main window is active");
    CHECK_EQ(app.focused_place(), 编辑框1, L"focus at start");
    CHECK_EQ(selection(app.control(编辑框1)), (std::pair<DWORD, DWORD>{0, 0}),
             L"caret before the ID, nothing selected");
}

void key_tests(const std::wstring& program) {
    const int order[] = {编辑框1, 编辑框2, 按钮1, 编辑框3, 编辑框4, 按钮2, 按钮3, 按钮4, 按钮5};
    {
        begin_case(L"Tab and Shift+Tab walk the whole tab order and wrap");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        for (int step = 1; step <= 9; ++step) {
            press_key(VK_TAB);
            CHECK_EQ(app.focused_place(), order[step % 9], L"focus after Tab #" + num(step));
        }
        for (int step = 1; step <= 9; ++step) {
            press_key(VK_TAB, true);
            CHECK_EQ(app.focused_place(), order[(9 - step) % 9],
                     L"focus after Shift+Tab #" + num(step));
        }
        for (int place : {编辑框1, 编辑框2, 编辑框3, 编辑框4}) {
            CHECK_EQ(selection(app.control(place)), (std::pair<DWORD, DWORD>{0, 0}),
                     L"reaching box " + num(place) + L" by Tab selects nothing");
        }
    }
    {
        begin_case(L"typing into the out-of-view prefix box changes the next link");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        for (int i = 0; i < 3; ++i) press_key(VK_TAB);
        CHECK_EQ(app.focused_place(), 编辑框3, L"third Tab reaches the prefix box");
        type_text(L"Z");
        press_key(VK_TAB);
        press_key(VK_TAB);
        CHECK_EQ(app.focused_place(), 按钮2, L"two more Tabs reach 复制外链");
        app.click(按钮1);
        CHECK(wait_until([&] { return !app.text(编辑框2).empty(); }), L"a link is generated");
        CHECK_EQ(app.text(编辑框2), L"Z" + std::wstring(prefix) + L"864443401.mp3",
                 L"the typed character stands before the old prefix");
    }
    {
        begin_case(L"Enter changes nothing; space clicks the focused button");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        press_key(VK_RETURN);
        pump(200);
        CHECK_EQ(app.text(编辑框1), std::wstring(L"864443401"), L"ID box after Enter");
        CHECK_EQ(app.text(编辑框2), std::wstring(), L"result box after Enter");
        CHECK(!app.exited() && IsWindowVisible(app.main()), L"window still open after Enter");
        press_key(VK_TAB);
        press_key(VK_TAB);
        CHECK_EQ(app.focused_place(), 按钮1, L"focus on 生成");
        press_key(VK_SPACE);
        CHECK(wait_until([&] { return !app.text(编辑框2).empty(); }),
              L"space on 生成 generates the link");
    }
    {
        begin_case(L"focus, caret and selection come back after switching away");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        // Switching to another program and back.
        DWORD_PTR ignored;
        SendMessageTimeoutW(app.control(编辑框1), EM_SETSEL, 2, 5, SMTO_ABORTIFHUNG, 3000,
                            &ignored);
        const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                           0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        CHECK(wait_until([&] { return app.active() == nullptr; }), L"main window deactivated");
        DestroyWindow(other);
        SetForegroundWindow(app.main());
        CHECK(wait_until([&] { return app.focused_place() == 编辑框1; }),
              L"focus back in the ID box, got place " + num(app.focused_place()));
        CHECK_EQ(selection(app.control(编辑框1)), (std::pair<DWORD, DWORD>{2, 5}),
                 L"selection unchanged");
        // Minimising and restoring.
        press_key(VK_TAB);
        press_key(VK_TAB);
        PostMessageW(app.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        CHECK(wait_until([&] { return IsIconic(app.main()) != FALSE; }), L"minimised");
        PostMessageW(app.main(), WM_SYSCOMMAND, SC_RESTORE, 0);
        CHECK(wait_until([&] { return !IsIconic(app.main()); }), L"restored");
        CHECK(wait_until([&] { return app.focused_place() == 按钮1; }),
              L"focus back on 生成 after restoring, got place " + num(app.focused_place()));
    }
    const struct {
        const wchar_t* label;
        WORD vk;
        bool alt;
    } closers[] = {{L"Esc", VK_ESCAPE, false}, {L"Alt+F4", VK_F4, true}};
    for (const auto& c : closers) {
        begin_case(std::wstring(c.label) + L" ends the program with exit code 0");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        press_key(VK_TAB);  // from any control
        press_key(c.vk, false, c.alt);
        CHECK_EQ(app.exit_code(), 0UL, L"exit code");
    }
    {
        begin_case(L"the close box ends the program with exit code 0");
        App app(program);
        if (!CHECK(app.started(), L"the main window appears")) return;
        PostMessageW(app.main(), WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK_EQ(app.exit_code(), 0UL, L"exit code");
    }
}
