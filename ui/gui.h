// What the portable core asks of the GUI layer. The Win32 layer implements it for the
// program; a fake implements it for unit tests.
#pragma once

#include "link/text.h"
#include "ui/main_window.h"
#include "ui/window_desc.h"

namespace gui {

// A new Text with the box's whole current content, or null when the box is empty.
Text read_box(MainControl box);

// Replaces the box's content with a copy of `text` (borrowed; null means "").
void write_box(MainControl box, const char* text);

// Builds the window from its description and shows it. In dialog mode, the window is
// owned by an invisible owner window, the program's other windows are disabled, and the
// call returns only after the window has been closed. False when creation failed.
bool open_window(const WindowDesc& window, bool dialog_mode);

}  // namespace gui
