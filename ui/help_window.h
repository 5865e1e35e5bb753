// The help window: one picture box showing where a song's ID is found.
#pragma once

#include "ui/window_desc.h"

extern const WindowDesc help_window;

// Click handler of "帮助": opens the help window in dialog mode and returns once it closed.
void show_help();
