#include <windows.h>

#include "app/fatal.h"

void show_error_box(const char* message) {
    // Converted on the stack: the fatal ending must not need the heap.
    wchar_t text[512];
    if (MultiByteToWideChar(CP_UTF8, 0, message, -1, text, 512) == 0) text[0] = L'\0';
    // Task-modal: the program's windows stay on the screen but take no input, so no
    // click reaches a handler while the box is shown.
    MessageBoxW(nullptr, text, L"", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void end_process(int code) {
    ExitProcess(static_cast<UINT>(code));
}
