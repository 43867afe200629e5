#pragma once
// The mouse cursor of the program's thread.

// The platform's cursor handle, opaque to the portable code; the same type as
// the Win32 HCURSOR.
struct HICON__;
using CursorHandle = HICON__ *;

// Shows the standard wait (hourglass) cursor; returns the cursor that was
// showing before.
CursorHandle ShowWaitCursor();

// Shows the standard arrow cursor.
void ShowArrowCursor();

// Shows a cursor that ShowWaitCursor returned.
void RestoreCursor(CursorHandle cursor);
