// The picture box: shows a JPEG resource at its natural size from its top-left corner,
// over the 3-D face colour; never takes the focus.
#pragma once

#include <windows.h>

extern const wchar_t picture_box_class[];

// The create parameter of a picture box is the name of its RCDATA resource (UTF-8).
bool register_picture_box_class(HINSTANCE instance);
