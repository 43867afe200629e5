#include "shell/documents.h"

#include <cstring>

#include "platform/files.h"
#include "platform/shell_open.h"
#include "settings/paths.h"
#include "shell/launch_failure.h"

long long OpenDocument(WindowHandle owner, const Setting<kPathCapacity> &document) {
  char path[kPathCapacity];
  if (!BuildDiscPath(document, path) || !PathExists(path)) return 0;
  // "." names the disc's own folder, opened as D:\ rather than D:\.
  const size_t length = strlen(path);
  if (length >= 2 && strcmp(path + length - 2, "\\.") == 0) path[length - 1] = '\0';
  const long long result = ShellStart(owner, path, nullptr, nullptr, nullptr);
  ReportFailedLaunch(owner, result, path);
  return result;
}
