// The fatal ending: an error message box, then the end of the process with exit code -1.
#pragma once

#include <cstddef>

// Shows `message` (UTF-8) in an error box and ends the process with -1; never returns.
[[noreturn]] void fatal_ending(const char* message);

// The fatal ending for an allocation of `bytes` bytes that could not be served.
[[noreturn]] void fatal_out_of_memory(std::size_t bytes);

// Platform side of the fatal ending.
// An ownerless error box with one OK button; returns when the user closes it.
void show_error_box(const char* message);
// Ends the process at once with `code`.
[[noreturn]] void end_process(int code);
