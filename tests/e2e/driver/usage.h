// What a running program holds: its USER and GDI objects and its private memory, read
// from outside the process.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

struct Usage {
    long user_objects = -1;  // -1: could not be read
    long gdi_objects = -1;
    long long private_bytes = -1;
};

// GetGuiResources answers 0 for every process under Wine; there the USER objects are
// counted as the process's windows and the GDI objects from the handle table the system
// keeps in the process. Private memory is PrivateUsage, or under Wine (which reports none)
// PagefileUsage (see process_memory.h).
Usage usage_of(HANDLE process, DWORD process_id);
std::wstring show(const Usage& u);

}  // namespace e2e
