#include "shell/installer.h"

#include "platform/shell.h"
#include "resources/texts.h"
#include "settings/settings.h"

long long LaunchInstaller(WindowHandle owner) {
  char path[kPathCapacity];
  if (!BuildDiscPath(kGeneralInstaller, path)) return 0;
  return ShellOpen(owner, path);
}
