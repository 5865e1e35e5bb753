// Window-level keys: what a window does with a key before its focused control sees it.
#pragma once

#include "ui/window_desc.h"

enum class Key { tab, enter, escape, other };

struct KeyPress {
    Key key;
    bool shift, ctrl, alt;
};

enum class KeyAction { pass_on, focus_next, focus_previous, close_window };

// Tab and Shift+Tab move the focus, Esc closes when the window says so, Enter acts as Tab
// only when the window says so. Any other modifier leaves the key to the control.
KeyAction window_key_action(const WindowDesc& window, KeyPress press);
