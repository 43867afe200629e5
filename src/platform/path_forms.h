#pragma once
// A path of the system as the program's ANSI texts can name it. The system
// holds paths in wide letters, and the ANSI code page may lack some of them
// (an account name in Cyrillic on a Western system): a form with "?" or a
// look-alike letter in their place names nothing, or another file.

constexpr int kSystemPathCapacity = 260;

struct PathForms {
  // The path itself; empty unless the code page expresses it exactly and it
  // fits with its terminator.
  char longForm[kSystemPathCapacity];
  // Its short (8.3) form, same rules; empty also where the volume keeps no
  // short names.
  char shortForm[kSystemPathCapacity];
};
