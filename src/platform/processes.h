#pragma once
// The processes of the system, as the launcher follows a program it started
// and every program that one starts in turn (a setup that starts a copy of
// itself from the temporary folder and ends).
#include "platform/shell_open.h"

struct ProcessEntry {
  unsigned long id;
  // The process that started it; that one may have ended since, and its id
  // gone to another process.
  unsigned long parentId;
};

// One look at the running processes: at most `capacity` of them into
// `entries`. Returns how many, or -1 when the system gave no list.
int ListProcesses(ProcessEntry *entries, int capacity);

// The running process of that id, to watch: nullptr when it has ended or may
// not be watched (another account's).
StartedProgram OpenProgram(unsigned long id);

// A watched program's process id, and when it started (in 100-nanosecond
// units; 0 when the system does not tell).
unsigned long ProgramId(StartedProgram program);
unsigned long long ProgramStartTime(StartedProgram program);

// True while the program runs. A program stays held until CloseProgram,
// ended or not: meanwhile its id is given to no other process.
bool ProgramRunning(StartedProgram program);
void CloseProgram(StartedProgram program);

// A group that the program and every program it starts from now on belong
// to, however soon they end (a job object); opaque.
using ProgramGroup = struct ProgramGroupTag *;

// Puts the program into a new group; nullptr where it cannot be put into one
// (a program started with an administrator's rights, or a system that allows
// no group within the group the launcher is in). A program of the group may
// still leave it when it starts another on purpose.
ProgramGroup GroupProgram(StartedProgram program);

// The ids of the group's programs that still run: at most `capacity` of them
// into `ids`. Returns how many, or -1 when the system does not tell.
int ProgramGroupMembers(ProgramGroup group, unsigned long *ids, int capacity);

void CloseProgramGroup(ProgramGroup group);
