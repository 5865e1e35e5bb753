// Injection points for tests of failures that cannot be provoked from outside.
// Only test builds (LINKGEN_FAULT_INJECTION) have them; in the shipped program every
// point is a constant false and the checks compile away.
//
// A test build reads the list of faults to inject from the environment variable
// LINKGEN_FAULTS: names separated by commas, each optionally "=N" to fire only when the
// point's value is N. The points: "alloc" (a heap block; N is its size in bytes),
// "create-window" (N is the window's width, so one window can be made to fail),
// "global-alloc" and "set-clipboard" (the clipboard's block and its hand-over),
// "decode-picture" (the help picture), and "load-library" (the system DLLs loaded on first
// use).
#pragma once

#include <cstddef>

#ifdef LINKGEN_FAULT_INJECTION
bool fault(const char* point, std::size_t value = 0);
// Publishes a test counter on the main window, where a test driver reads it.
void publish_counter(const wchar_t* name, long value);
#else
constexpr bool fault(const char*, std::size_t = 0) {
    return false;
}
inline void publish_counter(const wchar_t*, long) {}
#endif
