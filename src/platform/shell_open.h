#pragma once
// Opening a file, a web address or a program through the shell, as a
// double-click would: in the program the system has for it, with an
// administrator's consent where the program asks for one.
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

// ShellStart's results when the system has no program for the file's type,
// or only part of one (SE_ERR_NOASSOC, SE_ERR_ASSOCINCOMPLETE).
constexpr long long kLaunchNoProgram = 31;
constexpr long long kLaunchIncompleteProgram = 27;

// Opens `file` with `parameters` (nullptr: none) in `directory` (nullptr:
// the launcher's own) through the shell with the default verb of its type
// (for a program "open"), which asks for an administrator's consent when the
// program needs it. The shell shows no error box of its own. When `started`
// is given it receives the started program to watch (processes.h), or
// nullptr when the shell handed over none (a document opened in a program
// that was running already). Returns the shell's result: greater than 32
// when it started something, else its SE_ERR_ code, or kShellCancelled.
long long ShellStart(WindowHandle owner, const char *file, const char *parameters,
                     const char *directory, StartedProgram *started);
