#pragma once
// The window thread's single-threaded apartment, entered when a system
// component that may hand work to COM objects is first called (the shell's
// launches, the print dialog and printer drivers, the proxy's password
// dialog, the answer to AutoPlay registered for the run), not at start-up: a
// run that opens, prints or registers nothing never loads COM. COM comes from
// the system directory, never imported.

// Enters the apartment, once per run (COINIT_APARTMENTTHREADED |
// COINIT_DISABLE_OLE1DDE). Only the window thread calls it.
void EnterApartment();

// At the end of the run, on the window thread: leaves the apartment if it
// was entered.
void LeaveApartment();
