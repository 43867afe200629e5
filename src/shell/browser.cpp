#include "shell/browser.h"

#include <cstring>

#include "platform/environment.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "text/bounded.h"

namespace {
constexpr int kRegistryTextCapacity = 512;
}

int OpenSettingsUrl(const Setting<kPathCapacity> &row) {
  char address[kPathCapacity] = "";
  ReadSetting(row, address);
  return OpenInBrowser(address);
}

void CutProgramPath(const char *openCommand, char *dest, int capacity) {
  int length = CopyText(dest, capacity, openCommand);
  const char *end = nullptr;
  if (dest[0] == '"')
    end = strchr(dest + 1, '"');
  else
    end = strchr(dest, ' ');
  if (end != nullptr) length = static_cast<int>(end - dest);
  dest[length] = '\0';
}

void ProgramFolderOf(const char *programPath, char *dest, int capacity) {
  int length = CopyText(dest, capacity, programPath);
  for (int i = length - 1; i >= 1; --i) {
    if (dest[i] == '\\' || dest[i] == ':') {
      dest[i] = '\0';
      return;
    }
  }
}

int OpenInBrowser(const char *address) {
  char fileType[kRegistryTextCapacity];
  if (!ReadClassesRootDefault(".htm", fileType, kRegistryTextCapacity)) return 0;
  // The command key's name must fit whole, or another key would be opened.
  static const char kOpenCommandKey[] = "\\shell\\open\\command";
  if (strlen(fileType) + strlen(kOpenCommandKey) >= kRegistryTextCapacity) return 0;
  AppendText(fileType, kRegistryTextCapacity, kOpenCommandKey);
  char openCommand[kRegistryTextCapacity];
  bool expandable = false;
  if (!ReadClassesRootDefault(fileType, openCommand, kRegistryTextCapacity, &expandable))
    return 0;
  // A command stored for expansion names its program through variables such
  // as %ProgramFiles%; one that no longer fits once expanded opens nothing.
  if (expandable) {
    char expanded[kRegistryTextCapacity];
    if (ExpandEnvironmentText(openCommand, expanded, kRegistryTextCapacity) < 0) return 0;
    CopyText(openCommand, kRegistryTextCapacity, expanded);
  }

  char programPath[kRegistryTextCapacity];
  CutProgramPath(openCommand, programPath, kRegistryTextCapacity);
  char folder[kRegistryTextCapacity];
  ProgramFolderOf(programPath, folder, kRegistryTextCapacity);

  const char *application = programPath[0] == '"' ? programPath + 1 : programPath;
  const char *directory = folder[0] == '"' ? folder + 1 : folder;
  // The program's own name comes first on its command line: a browser that
  // found the address in its place would take it for its name and open its
  // start page instead.
  char commandLine[kRegistryTextCapacity + kPathCapacity + 4];
  FormatText(commandLine, sizeof commandLine, "\"%s\" %s", application, address);
  return StartProgram(application, commandLine, directory) ? 1 : 0;
}
