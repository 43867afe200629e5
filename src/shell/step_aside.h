#pragma once
// The screens making way for the installer, or the product's own change and
// uninstall programs, while the launcher watches them
// (product/watched_programs.h). With [General] "Hide While Installing" the
// launcher's windows are hidden meanwhile: 1 brings them back when every
// watched program has ended, 2 ends the run then.
#include "platform/window_handle.h"

// How the launcher stepped aside for the programs watched now.
struct StepAside {
  bool hidden = false;  // the launcher's windows make way for them
  unsigned mode = 0;    // [General] "Hide While Installing" when they started
};
extern StepAside SteppedAside;

// What a tick finds.
enum class WatchedState {
  None,     // nothing is watched
  Running,  // a watched program runs, the windows are shown
  Hidden,   // a watched program runs, the windows make way for it
  Ended,    // the watched programs ended, or the product's entry went, at
            // this tick: the windows are back, and the product's state is
            // to be shown afresh
  EndRun,   // the watched programs ended at this tick and the run is to end
};

// True when the installer is watched rather than only started: the disc
// steps aside or shows the product's state.
bool WatchesInstaller();

// After a watched start with the shell's `result`: the windows make way for
// the programs as the settings say, or, when it started nothing to wait for
// and the run is to end after it, the run ends now. Returns `result`.
long long StepAsideFor(WindowHandle backdrop, long long result);

// The timer tick: looks at the watched programs, and when they have ended
// brings the windows back or ends the run.
WatchedState CheckStepAside();
