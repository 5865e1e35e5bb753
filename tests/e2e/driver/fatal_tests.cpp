// The fatal ending, provoked through the test build's injection points: an error box
// naming the failure, no click reaching a handler meanwhile, then exit code -1.
#include <windows.h>

#include "app.h"
#include "check.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

namespace {

// The text of a message box: its static control with the message.
std::wstring box_message(const App& app, HWND box) {
    std::wstring all;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        all += app.text(c) + L"|";
    }
    return all;
}

}  // namespace

void fatal_tests(const std::wstring& program) {
    const std::wstring faulty = faults_build(program);
    {
        begin_case(L"memory exhausted during 生成");
        // The ID's Text is 30,000 bytes plus its terminator: that allocation fails.
        App app(faulty, L"LINKGEN_FAULTS=alloc=30001");
        if (!CHECK(app.started(), L"the main window appears")) return;
        app.set_text(编辑框1, std::wstring(30000, L'4'));
        app.click(按钮1);
        HWND box = nullptr;
        CHECK(wait_until([&] { return (box = app.other_window(L"#32770")) != nullptr; }, 5000),
              L"an error box appears");
        if (box != nullptr) {
            const std::wstring message = box_message(app, box);
            CHECK(message.find(L"30001") != std::wstring::npos,
                  L"the box names the bytes requested: " + quote(message));
            app.click(按钮1);  // the box is task-modal: this click reaches nothing
            pump(200);
            CHECK_EQ(app.text(编辑框2), std::wstring(), L"the result box is not written");
            CHECK(!app.exited(), L"the process waits for the box");
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        CHECK_EQ(app.exit_code(), 0xFFFFFFFFUL, L"exit code after OK is -1");
    }
    {
        begin_case(L"the main window cannot be created");
        App app(faulty, L"LINKGEN_FAULTS=create-window");
        CHECK(!app.started(), L"no main window");
        HWND box = nullptr;
        CHECK(wait_until([&] { return (box = app.other_window(L"#32770")) != nullptr; }, 5000),
              L"an error box appears");
        if (box != nullptr) {
            CHECK(box_message(app, box).find(L"主窗口") != std::wstring::npos,
                  L"the box names the failure: " + quote(box_message(app, box)));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        CHECK_EQ(app.exit_code(), 0xFFFFFFFFUL, L"exit code after OK is -1");
    }
}
