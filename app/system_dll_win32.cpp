#include "app/system_dll_win32.h"

#include "app/faults.h"

HMODULE system_dll(const wchar_t* name) {
    if (fault("load-library")) return nullptr;
    // A full path: a DLL of the same name beside the program or in the current
    // directory is never picked up.
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + lstrlenW(name) >= MAX_PATH) return nullptr;
    path[length] = L'\\';
    lstrcpyW(path + length + 1, name);
    // Loaded once, never freed: later calls find it without adding a reference.
    const HMODULE loaded = GetModuleHandleW(path);
    return loaded != nullptr ? loaded : LoadLibraryW(path);
}
