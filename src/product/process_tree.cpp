#include "product/process_tree.h"

#include <cstddef>
#include <vector>

namespace {

// More than a system runs; one look takes in no more.
constexpr int kMaxProcesses = 4096;

TreeProgram *Member(ProgramTree &tree, unsigned long id) {
  for (int i = 0; i < tree.count; ++i)
    if (tree.members[i].id == id) return &tree.members[i];
  return nullptr;
}

bool Join(ProgramTree &tree, StartedProgram program, unsigned long id) {
  if (tree.count == kMaxTreePrograms) {
    CloseProgram(program);
    return false;
  }
  tree.members[tree.count++] = {program, id, program != nullptr ? ProgramStartTime(program) : 0};
  return true;
}

bool JoinIfChild(ProgramTree &tree, const ProcessEntry &process) {
  const TreeProgram *parent = Member(tree, process.parentId);
  if (parent == nullptr || process.id == process.parentId) return false;
  StartedProgram program = OpenProgram(process.id);
  const unsigned long long started = program != nullptr ? ProgramStartTime(program) : 0;
  if (started != 0 && parent->started != 0 && started < parent->started) {
    CloseProgram(program);
    return false;
  }
  return Join(tree, program, process.id);
}

bool Listed(const std::vector<ProcessEntry> &processes, unsigned long id, int count) {
  for (int i = 0; i < count; ++i)
    if (processes[static_cast<std::size_t>(i)].id == id) return true;
  return false;
}

}  // namespace

void PlantTree(ProgramTree &tree, StartedProgram root) {
  tree = ProgramTree{};
  tree.group = GroupProgram(root);
  Join(tree, root, ProgramId(root));
}

bool TreeRunning(ProgramTree &tree) {
  unsigned long grouped[kMaxTreePrograms];
  const int inGroup =
      tree.group != nullptr ? ProgramGroupMembers(tree.group, grouped, kMaxTreePrograms) : 0;
  for (int i = 0; i < inGroup; ++i)
    if (Member(tree, grouped[i]) == nullptr) Join(tree, OpenProgram(grouped[i]), grouped[i]);
  std::vector<ProcessEntry> processes(kMaxProcesses);
  const int listed = ListProcesses(processes.data(), kMaxProcesses);
  // A child's own children may come before it in the list.
  for (bool joined = true; joined;) {
    joined = false;
    for (int i = 0; i < listed; ++i) {
      const ProcessEntry &process = processes[static_cast<std::size_t>(i)];
      if (Member(tree, process.id) == nullptr && JoinIfChild(tree, process)) joined = true;
    }
  }
  if (inGroup > 0) return true;
  for (int i = 0; i < tree.count; ++i) {
    const TreeProgram &member = tree.members[i];
    if (member.program != nullptr ? ProgramRunning(member.program)
                                  : Listed(processes, member.id, listed))
      return true;
  }
  return false;
}

void ReleaseTree(ProgramTree &tree) {
  for (int i = 0; i < tree.count; ++i) CloseProgram(tree.members[i].program);
  CloseProgramGroup(tree.group);
  tree = ProgramTree{};
}
