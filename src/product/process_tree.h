#pragma once
// A started program and every program it starts in turn, followed until all
// have ended: a setup that starts a copy of itself and ends at once, or one
// that starts a copy of itself with an administrator's rights.
#include "platform/processes.h"

// Programs of one tree that are followed; more are not.
constexpr int kMaxTreePrograms = 64;

struct TreeProgram {
  StartedProgram program;  // nullptr when it may not be watched: followed by its id
  unsigned long id;
  unsigned long long started;  // 0 when unknown
};

struct ProgramTree {
  TreeProgram members[kMaxTreePrograms];
  int count;
  ProgramGroup group;  // nullptr where the programs cannot be grouped
};

// The tree of the started program, which it holds from now on, put into a
// group where it can be.
void PlantTree(ProgramTree &tree, StartedProgram root);

// One look at the tree, never waiting: the programs of its group and those
// a program of the tree started (their parent's id is a member's, and they
// started after it: not a program that was given an id a member once had)
// join it. True while one of them runs.
bool TreeRunning(ProgramTree &tree);

// Lets go of every program of the tree and of its group.
void ReleaseTree(ProgramTree &tree);
