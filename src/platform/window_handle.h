#pragma once
// The platform's window handle, opaque to the portable code. It is the same
// type as the Win32 HWND, so the window code passes handles through unchanged.

struct HWND__;
using WindowHandle = HWND__ *;
