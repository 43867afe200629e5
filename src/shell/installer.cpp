#include "shell/installer.h"

#include "platform/shell_open.h"
#include "product/watched_programs.h"
#include "resources/texts.h"
#include "settings/paths.h"
#include "shell/step_aside.h"

long long LaunchInstaller(WindowHandle owner) {
  char path[kPathCapacity];
  if (!BuildDiscPath(kGeneralInstaller, path)) return 0;
  // Before any window the launcher has nothing to hide and ends anyway.
  if (owner == nullptr || !WatchesInstaller()) return ShellOpen(owner, path);
  return StepAsideFor(owner, StartWatched(owner, path, nullptr, nullptr, AfterPrograms::Nothing));
}
