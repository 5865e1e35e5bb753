// The picture side of the bare program for the help window (built into bare_picture.exe).
#pragma once

#include <windows.h>

bool register_picture_class(HINSTANCE instance);
// Decodes the picture and shows it in a new window owned by `owner`.
void show_picture(HWND owner);
