#include "app/window_keys.h"

KeyAction window_key_action(const WindowDesc& window, KeyPress press) {
    if (press.ctrl || press.alt) return KeyAction::pass_on;
    switch (press.key) {
        case Key::tab:
            return press.shift ? KeyAction::focus_previous : KeyAction::focus_next;
        case Key::escape:
            return !press.shift && window.esc_closes ? KeyAction::close_window : KeyAction::pass_on;
        case Key::enter:
            return !press.shift && window.enter_moves_focus ? KeyAction::focus_next
                                                            : KeyAction::pass_on;
        case Key::other:
            break;
    }
    return KeyAction::pass_on;
}
