#include <windows.h>
#include <shellapi.h>

#include "link/desktop.h"
#include "link/encoding_win32.h"
#include "link/shell_target.h"

void shell_open(const char* text) {
    const OwnedText target{shell_target(text)};
    // The answer of the shell is not looked at: any message comes from the shell itself.
    ShellExecuteW(nullptr, L"open", to_wide(target.get(), text_code_page).get(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}
