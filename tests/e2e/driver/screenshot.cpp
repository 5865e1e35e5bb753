// Screenshots for the README: the main window, and the help window over it. The driver
// sets the scene; the script around it takes the picture from the X server.
#include <windows.h>

#include <cstdio>

#include "app.h"
#include "check.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

namespace {

// Tells the script that takes the screenshot which rectangle to take, then gives it time.
bool announce(const RECT& r, const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f == nullptr) return false;
    std::fprintf(f, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    std::fclose(f);
    pump(3000);
    return true;
}

RECT around(HWND window, int margin) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
}

}  // namespace

void screenshot(const std::wstring& program, const std::wstring& path, bool help) {
    begin_case(help ? L"screenshot of the help window" : L"screenshot of the main window");
    App app(program);
    if (!CHECK(app.started(), L"the main window appears")) return;
    app.click(编辑框1);
    app.click(按钮1);
    CHECK(wait_until([&] { return !app.text(编辑框2).empty(); }), L"a link is generated");
    CHECK_EQ(GetForegroundWindow(), app.main(), L"active");
    HWND shown = app.main();
    if (help) {
        app.click(按钮5);
        wait_until([&] { return (shown = app.other_window(L"LinkGenWindow")) != nullptr; });
        if (!CHECK(shown != nullptr, L"the help window appears")) return;
    }
    pump(500);
    CHECK(announce(around(shown, help ? 0 : 12), path), L"screenshot announced");
    if (help) PostMessageW(shown, WM_CLOSE, 0, 0);
}
