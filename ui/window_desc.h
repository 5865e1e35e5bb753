// Windows described as data: the window's properties and one row per control.
// One generic routine builds any window from its description.
#pragma once

#include <cstddef>
#include <span>

enum class ControlKind { edit, label, button, picture };

// A click handler: a plain routine without arguments or result.
using Handler = void (*)();

struct ControlDesc {
    const char* name;  // the control's name, for readers and diagnostics
    ControlKind kind;
    int left, top, width, height;  // pixels, relative to the client area
    const char* text;              // UTF-8: content of an edit box, caption of a label or button
    bool visible, enabled, tab_stop;
    Handler on_click;  // null: the click is bound to nothing
};

struct WindowDesc {
    const char* caption;  // UTF-8
    int width, height;    // outer size, frame and caption bar included
    bool minimize_box, maximize_box;
    bool esc_closes;                        // Esc asks the window to close
    bool enter_moves_focus;                 // Enter acts as Tab
    std::span<const ControlDesc> controls;  // in list order; created from last to first
};

// Controls are identified by their place in the list, counted from 1.
constexpr int place_of(std::size_t index) {
    return static_cast<int>(index) + 1;
}
