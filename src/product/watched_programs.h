#pragma once
// The installer, or the product's own change and uninstall programs, started
// and watched until they and every program they start have ended; after
// Uninstall, the product's entry then a while longer. It only reports what
// it sees: the backdrop decides what the screens show meanwhile.
#include "platform/window_handle.h"
#include "product/process_tree.h"

// After Uninstall, when the programs have ended and the product's entry is
// still there (the customer cancelled, or the uninstaller finishes its work
// in a program the launcher cannot follow), the entry is looked at this much
// longer.
constexpr unsigned long long kEntryWatchMilliseconds = 3 * 60 * 1000;

// What is watched besides the programs.
enum class AfterPrograms {
  Nothing,
  EntryGone,  // the product's entry, until it is gone or the time is up
};

struct WatchedPrograms {
  bool watching = false;  // a tree of programs is watched
  ProgramTree tree = {};
  AfterPrograms after = AfterPrograms::Nothing;
  unsigned long long entryWatchEnds = 0;  // MillisecondsSinceSystemStart; 0: none
};
// Run-wide: one tree at a time.
extern WatchedPrograms Watched;

// Starts the program through the shell (ShellStart) and watches it and what
// it starts. Returns 0, starting nothing, while another tree is watched;
// else the shell's result.
long long StartWatched(WindowHandle owner, const char *file, const char *parameters,
                       const char *directory, AfterPrograms after);

// True while a watched program, or one it started, may still run.
bool WatchedProgramsRunning();

// What a look finds.
enum class WatchReport {
  None,       // nothing is watched
  Running,    // a watched program runs
  Ended,      // the last of them ended at this look
  EntryGone,  // after they had ended, the product's entry went at this look
};

// One look, never waiting: at the programs, else at the entry.
WatchReport CheckWatchedPrograms();
