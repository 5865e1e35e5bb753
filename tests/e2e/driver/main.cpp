// End-to-end tests of the real program, run under Wine on a virtual desktop:
//   driver.exe GROUP PROGRAM.exe RESULTS.txt
// Each group starts the program as often as it needs and records its checks in RESULTS.
#include <windows.h>

#include <cstring>
#include <string>

#include "app.h"
#include "check.h"
#include "places.h"
#include "suites.h"

using namespace e2e;

namespace {

struct Group {
    const wchar_t* name;
    void (*run)(const std::wstring& program);
};

const Group groups[] = {
    {L"layout", layout_tests},
    {L"keys", key_tests},
    {L"generate", generate_tests},
    {L"fatal", fatal_tests},
    {L"clipboard", clipboard_tests},
    {L"shell", shell_tests},
    {L"help", help_tests},
    {L"help-failure", help_failure_tests},
    {L"help-undecodable", help_undecodable_tests},
    {L"input", unexpected_input_tests},
    {L"soak", soak_tests},
    {L"soak-clipboard", clipboard_soak_tests},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) return 2;
    open_results(argv[3]);
    note(L"screen " + num(GetSystemMetrics(SM_CXSCREEN)) + L"x" +
         num(GetSystemMetrics(SM_CYSCREEN)) + L", ANSI code page " + num(GetACP()));
    bool known = false;
    for (const Group& g : groups) {
        if (lstrcmpW(g.name, argv[1]) != 0) continue;
        known = true;
        g.run(argv[2]);
    }
    if (lstrcmpW(argv[1], L"shot-main") == 0 || lstrcmpW(argv[1], L"shot-help") == 0) {
        known = true;
        screenshot(argv[2], std::wstring(argv[3]) + L".rect", argv[1][5] == L'h');
    }
    if (!known) CHECK(false, std::wstring(L"unknown group ") + argv[1]);
    note(num(passes()) + L" passed, " + num(failures()) + L" failed");
    close_results();
    return failures() == 0 ? 0 : 1;
}
