#pragma once
// The window thread's single-threaded apartment, which the shell's launches
// and the answer to AutoPlay registered for the run need. COM comes from the
// system directory, never imported.

// Enters the apartment, once per run (COINIT_APARTMENTTHREADED |
// COINIT_DISABLE_OLE1DDE). Only the window thread calls it.
void EnterApartment();

// At the end of the run, on the window thread: leaves the apartment if it
// was entered.
void LeaveApartment();
