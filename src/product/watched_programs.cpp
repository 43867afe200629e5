#include "product/watched_programs.h"

#include "platform/clock.h"
#include "platform/shell_open.h"
#include "product/installed_product.h"

WatchedPrograms Watched;

namespace {

bool ProductInstalled() {
  InstalledProduct product;
  return ReadInstalledProduct(product) && product.installed;
}

}  // namespace

long long StartWatched(WindowHandle owner, const char *file, const char *parameters,
                       const char *directory, AfterPrograms after) {
  if (Watched.watching) return 0;
  StartedProgram program = nullptr;
  const long long result = ShellStart(owner, file, parameters, directory, &program);
  if (program == nullptr) return result;
  Watched.entryWatchEnds = 0;
  Watched.after = after;
  Watched.watching = true;
  PlantTree(Watched.tree, program);
  // At once: a setup that starts a copy of itself ends as soon as it has.
  TreeRunning(Watched.tree);
  return result;
}

bool WatchedProgramsRunning() { return Watched.watching; }

WatchReport CheckWatchedPrograms() {
  if (Watched.watching) {
    if (TreeRunning(Watched.tree)) return WatchReport::Running;
    ReleaseTree(Watched.tree);
    Watched.watching = false;
    if (Watched.after == AfterPrograms::EntryGone && ProductInstalled())
      Watched.entryWatchEnds = MillisecondsSinceSystemStart() + kEntryWatchMilliseconds;
    return WatchReport::Ended;
  }
  if (Watched.entryWatchEnds == 0) return WatchReport::None;
  if (!ProductInstalled()) {
    Watched.entryWatchEnds = 0;
    return WatchReport::EntryGone;
  }
  if (MillisecondsSinceSystemStart() >= Watched.entryWatchEnds) Watched.entryWatchEnds = 0;
  return WatchReport::None;
}
