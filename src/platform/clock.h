#pragma once
// The system clock, in local time.

struct CalendarDate {
  int year;   // four digits
  int month;  // 1-12
  int day;    // 1-31
};

CalendarDate GetLocalDate();
