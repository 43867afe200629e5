#pragma once
// The backdrop: a borderless black window slightly larger than the screen,
// owner of every form window and of the program's messages.
#include <windows.h>

extern const char kBackdropClassName[];

// Registers the backdrop class and starts the form engine. Nonzero on
// success: the form engine's VORM_Init result, 0 when the class is refused.
int RegisterBackdropClass(HINSTANCE instance);

// Builds SettingsPath, applies the language gate and creates the backdrop,
// which opens the startup template. Returns the window; none when the gate
// started the installer instead, or the window could not be made.
HWND CreateBackdropWindow(HINSTANCE instance);

LRESULT CALLBACK BackdropWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
