#include "fake_platform.h"
#include "platform/cursor.h"

CursorHandle ShowWaitCursor() {
  Fake().cursorCalls.push_back("wait");
  CursorHandle previous = Fake().shownCursor;
  Fake().shownCursor = kFakeWaitCursor;
  return previous;
}

void ShowArrowCursor() {
  Fake().cursorCalls.push_back("arrow");
  Fake().shownCursor = kFakeArrowCursor;
}

void RestoreCursor(CursorHandle cursor) {
  Fake().cursorCalls.push_back("restore");
  Fake().shownCursor = cursor;
}
