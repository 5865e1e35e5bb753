#include <windows.h>
#include <shellapi.h>

#include "app/system_dll_win32.h"
#include "link/desktop.h"
#include "link/encoding_win32.h"
#include "link/shell_target.h"

void shell_open(const char* text) {
    // The shell is loaded at the first link opened; without it nothing opens.
    const auto execute = system_function<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (execute == nullptr) return;
    const OwnedText target{shell_target(text)};
    // The answer of the shell is not looked at: any message comes from the shell itself.
    execute(nullptr, L"open", to_wide(target.get(), text_code_page).get(), nullptr, nullptr,
            SW_SHOWNORMAL);
}
