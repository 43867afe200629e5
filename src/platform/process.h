#pragma once
// Starting another program, which is never waited for.

// Creates a process of `application` with exactly `commandLine` as its command
// line, in `directory`. Returns true when the process was created.
bool StartProgram(const char *application, const char *commandLine,
                  const char *directory);
