#include <windows.h>

#include "platform/cursor.h"

CursorHandle ShowWaitCursor() { return SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

void ShowArrowCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }

void RestoreCursor(CursorHandle cursor) { SetCursor(cursor); }
