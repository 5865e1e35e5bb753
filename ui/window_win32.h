// The Win32 side of windows built from descriptions.
#pragma once

#include <windows.h>

// Registers the window classes; false when that fails.
bool register_window_classes(HINSTANCE instance);

// The open main window, or null.
HWND main_window_handle();

// Applies the window-level keys to a key-down message for one of the program's windows.
// True when the key was consumed.
bool handle_window_key(const MSG& msg);

// Runs the message loop until the quit request, or, with `wait_for`, until that window is
// gone (a quit request that arrives first is left in the queue). Returns the quit code.
int run_message_loop(HWND wait_for);
