#pragma once
// The shell asks before it starts AutoPlay for an inserted disc: with a
// window message, of the window in front only, and of an answer registered
// for the whole run, whichever program is in front.

// Registers the answer "no AutoPlay" for the rest of the run; where the
// system does not take it, the window message alone is answered.
void CancelAutoPlayWhileRunning();

// At the end of the run: takes the registration back, if there is one.
void StopCancellingAutoPlay();
