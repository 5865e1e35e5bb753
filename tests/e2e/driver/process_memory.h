// A process's memory as read from outside it; shared by the soak tests and the benchmark.
#pragma once

#include <windows.h>
#include <psapi.h>

namespace e2e {

struct ProcessMemory {
    long long working_set = -1, private_bytes = -1;  // bytes; -1: could not be read
};

// Private memory is PrivateUsage, or under Wine (which reports none) PagefileUsage: the
// process's anonymous resident memory plus swap.
inline ProcessMemory process_memory(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX m = {};
    m.cb = sizeof m;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m)) {
        return {};
    }
    return {static_cast<long long>(m.WorkingSetSize),
            static_cast<long long>(m.PrivateUsage != 0 ? m.PrivateUsage : m.PagefileUsage)};
}

}  // namespace e2e
