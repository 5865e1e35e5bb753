#include "app/faults.h"

#ifdef LINKGEN_FAULT_INJECTION

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "ui/window_win32.h"

namespace {

// The LINKGEN_FAULTS list, read once (ASCII only).
const char* fault_list() {
    static char list[512];
    static bool read = false;
    if (!read) {
        read = true;
        GetEnvironmentVariableA("LINKGEN_FAULTS", list, sizeof list);
    }
    return list;
}

}  // namespace

bool fault(const char* point, std::size_t value) {
    const std::size_t name_length = std::strlen(point);
    for (const char* p = fault_list(); *p != '\0';) {
        const char* end = std::strchr(p, ',');
        if (end == nullptr) end = p + std::strlen(p);
        if (static_cast<std::size_t>(end - p) >= name_length &&
            std::strncmp(p, point, name_length) == 0) {
            const char* rest = p + name_length;
            if (rest == end) return true;
            if (*rest == '=' && std::strtoull(rest + 1, nullptr, 10) == value) return true;
        }
        p = *end == ',' ? end + 1 : end;
    }
    return false;
}

void publish_counter(const wchar_t* name, long value) {
    if (HWND main = main_window_handle()) {
        SetPropW(main, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
    }
}

#endif
