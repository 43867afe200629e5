#include <windows.h>

#include "platform/clock.h"

CalendarDate GetLocalDate() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

unsigned long long MillisecondsSinceSystemStart() { return GetTickCount64(); }
