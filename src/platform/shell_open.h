#pragma once
// Opening a file, a web address or a program through the shell's "open"
// verb, as a double-click would: in the program the system has for it,
// with an administrator's consent where the program asks for one.
#include "platform/window_handle.h"

// Opens a file through the shell's "open" verb. Returns the shell's result:
// greater than 32 when it started something.
long long ShellOpen(WindowHandle owner, const char *path);

// ShellStart's result when the customer said no to a prompt of the shell's
// (an administrator's consent, the choice of a program): nothing more is to
// be tried.
constexpr long long kShellCancelled = -1;

// Opens a web address with the shell's "open" verb in the program chosen for
// its protocol, showing no message when there is none. Returns ShellStart's
// result.
long long ShellOpenAddress(const char *address);

// A program started through the shell, watched until it ends; opaque.
using StartedProgram = struct StartedProgramTag *;

// Opens `file` with `parameters` (nullptr: none) in `directory` (nullptr:
// the launcher's own) through the shell's "open" verb, which asks for an
// administrator's consent when the program needs it. The shell shows no
// error box of its own: a failure is silent. When `started` is given it
// receives the started program to watch, or nullptr when the shell handed
// over none (a document opened in a program that was running already).
// Returns the shell's result: greater than 32 when it started something,
// kShellCancelled when the customer cancelled.
long long ShellStart(WindowHandle owner, const char *file, const char *parameters,
                     const char *directory, StartedProgram *started);

// True while the program runs. Once it has ended its handle is closed and
// *program set to nullptr; nullptr itself is a program that has ended.
bool StillRunning(StartedProgram *program);
