#pragma once
// The system clock, in local time, and the time since the system started.

struct CalendarDate {
  int year;   // four digits
  int month;  // 1-12
  int day;    // 1-31
};

CalendarDate GetLocalDate();

// Milliseconds since the system started: a clock that a change of the date
// or time does not move.
unsigned long long MillisecondsSinceSystemStart();
