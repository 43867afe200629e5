#pragma once
// The installer, or the product's own repair and uninstall programs, started
// and watched until they end. With [General] "Hide While Installing" the
// launcher's windows make way for them meanwhile: 1 brings them back when
// the program ends, 2 ends the run then. Only one such program at a time.
#include "platform/shell_open.h"
#include "platform/window_handle.h"

// The watched program, run-wide: none while program is nullptr.
struct WatchedLaunch {
  StartedProgram program = nullptr;
  bool hidden = false;  // the launcher's windows make way for it
  unsigned mode = 0;    // [General] "Hide While Installing" when it started
};
extern WatchedLaunch WatchedProgram;

// What a tick finds.
enum class WatchedState {
  None,     // nothing is watched
  Running,  // the program runs, the windows are shown
  Hidden,   // the program runs, the windows make way for it
  Ended,    // the program ended at this tick: the windows are back
  EndRun,   // the program ended at this tick and the run is to end
};

// True when the installer is watched rather than only started: the disc
// steps aside or shows the product's state.
bool WatchesInstaller();

// Starts the program through the shell and watches it. Returns 0 while
// another watched program runs (nothing is started), else the shell's
// result.
long long StartWatched(WindowHandle backdrop, const char *file, const char *parameters);

bool WatchedProgramRunning();

// The timer tick: looks at the watched program, and when it has ended shows
// the windows again and the product's state afresh.
WatchedState CheckWatchedProgram();
