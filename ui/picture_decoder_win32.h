// Decoding a JPEG resource into a bitmap with the Windows Imaging Component.
#pragma once

#include <windows.h>

// A top-down 32-bit DIB section of the picture in the RCDATA resource `name`, or null
// when it cannot be found or decoded. The caller deletes it.
HBITMAP decode_picture_resource(HINSTANCE instance, const wchar_t* name);
