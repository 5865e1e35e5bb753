// Windows DLLs that the program needs only after a click (the shell for opening links,
// COM for decoding the help picture) are loaded on first use rather than at start-up,
// which they would otherwise slow down by loading a dozen more DLLs.
#pragma once

#include <windows.h>

// The module of the system DLL `name` (e.g. L"shell32.dll"), loaded from the system
// directory on first use and kept for the life of the process; null when it cannot load.
HMODULE system_dll(const wchar_t* name);

// The function `name` of the system DLL `dll` as a pointer of type F, or null.
template <class F>
F* system_function(const wchar_t* dll, const char* name) {
    const HMODULE module = system_dll(dll);
    return module != nullptr
               ? reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}
