#include "usage.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

#include "check.h"
#include "process_memory.h"

namespace e2e {

namespace {

struct WindowCount {
    DWORD process_id;
    long windows;
};

BOOL CALLBACK count_child(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->windows;
    return TRUE;
}

BOOL CALLBACK count_top_level(HWND hwnd, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != count->process_id) return TRUE;
    ++count->windows;
    EnumChildWindows(hwnd, count_child, param);
    return TRUE;
}

// Every window of the process, shown or hidden, top-level or child.
long window_count(DWORD process_id) {
    WindowCount count{process_id, 0};
    EnumWindows(count_top_level, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

// One entry of the GDI handle table, as laid out on 64-bit systems (24 bytes).
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint16_t owner_process;
    std::uint16_t owner_count;
    std::uint16_t unique;
    std::uint8_t type;  // 0: a free entry
    std::uint8_t flags;
    std::uint64_t user_data;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t gdi_table_entries = 0x10000;
constexpr std::size_t peb_gdi_table_offset = 0xF8;  // PEB.GdiSharedHandleTable, 64-bit

// The live entries of the GDI handle table that the system keeps in the process's memory
// (its address is in the process environment block); -1 when it cannot be read.
long gdi_table_count(HANDLE process) {
    PROCESS_BASIC_INFORMATION info = {};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, &length) !=
        0) {
        return -1;
    }
    std::uint64_t table = 0;
    SIZE_T got = 0;
    if (!ReadProcessMemory(
            process, reinterpret_cast<const char*>(info.PebBaseAddress) + peb_gdi_table_offset,
            &table, sizeof table, &got) ||
        table == 0) {
        return -1;
    }
    std::vector<GdiHandleEntry> entries(gdi_table_entries);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), &got)) {
        return -1;
    }
    long live = 0;
    for (const GdiHandleEntry& e : entries) live += e.type != 0;
    return live;
}

}  // namespace

Usage usage_of(HANDLE process, DWORD process_id) {
    Usage u;
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    u.user_objects = user != 0 ? static_cast<long>(user) : window_count(process_id);
    u.gdi_objects = gdi != 0 ? static_cast<long>(gdi) : gdi_table_count(process);
    u.private_bytes = process_memory(process).private_bytes;
    return u;
}

std::wstring show(const Usage& u) {
    return L"USER " + num(u.user_objects) + L", GDI " + num(u.gdi_objects) + L", private " +
           num(u.private_bytes / 1024) + L" KB";
}

}  // namespace e2e
