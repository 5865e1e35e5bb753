// The main window: the song ID box, the result box, two labels, five push buttons and
// the two boxes holding the link's prefix and suffix below the visible client area.
#pragma once

#include "ui/window_desc.h"

// The main window's controls by name; the value is the control's place in the list.
enum class MainControl : int {
    按钮5 = 1,
    按钮4,
    按钮3,
    按钮2,
    编辑框4,
    编辑框3,
    按钮1,
    标签2,
    编辑框2,
    标签1,
    编辑框1,
};

extern const WindowDesc main_window;
