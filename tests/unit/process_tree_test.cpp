// A started program followed with every program it starts, through the fake
// system's processes: the ways setups hand over to another program.
#include <gtest/gtest.h>

#include <functional>

#include "fake_platform.h"
#include "product/process_tree.h"

namespace {

StartedProgram Handle(unsigned long id) {
  return reinterpret_cast<StartedProgram>(static_cast<std::uintptr_t>(id));
}

void End(unsigned long id) { Fake().processes[id].running = false; }

TEST(ProcessTree, ATreeRunsWhileAnyProgramItStartedRuns) {
  struct Case {
    const char *what;
    bool groups;
    // What the started program does before the look; the result is the
    // program to end afterwards (0: none), after which the tree has ended.
    std::function<unsigned long(unsigned long root)> act;
    bool running;
  } cases[] = {
      {"runs", true, [](unsigned long) { return 0ul; }, true},
      {"ended", true, [](unsigned long root) { End(root); return 0ul; }, false},
      {"started a copy and ended", false,
       [](unsigned long root) {
         const unsigned long copy = StartFakeProcess(root);
         End(root);
         return copy;
       },
       true},
      // cmd /c start: the program between them ended before the look.
      {"through a program that ended at once", true,
       [](unsigned long root) {
         const unsigned long between = StartFakeProcess(root);
         const unsigned long copy = StartFakeProcess(between);
         End(between);
         End(root);
         return copy;
       },
       true},
      // With an administrator's rights: no group holds it, no handle may be had.
      {"started a copy that may not be watched", false,
       [](unsigned long root) {
         const unsigned long copy = StartFakeProcess(root);
         Fake().processes[copy].watchable = false;
         End(root);
         return copy;
       },
       true},
      {"ended, and its id's earlier owner's child runs", false,
       [](unsigned long root) {
         Fake().processes[7] = FakeProcess{root, 1, true, true, false};
         End(root);
         return 0ul;
       },
       false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    ResetFakePlatform();
    Fake().groupsAllowed = c.groups;
    const unsigned long root = StartFakeProcess(0);
    ProgramTree tree;
    PlantTree(tree, Handle(root));
    ++Fake().programsHeld;
    const unsigned long last = c.act(root);
    EXPECT_EQ(c.running, TreeRunning(tree));
    if (last != 0) {
      End(last);
      EXPECT_FALSE(TreeRunning(tree));
    }
    ReleaseTree(tree);
    EXPECT_EQ(0, Fake().programsHeld);
  }
}

}  // namespace
