#include "shell/browser.h"

#include <cstring>

#include "platform/code_page.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/shell_open.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "shell/registry_text.h"
#include "text/bounded.h"
#include "text/characters.h"
#include "text/command_line.h"

namespace {

constexpr int kRegistryTextCapacity = 512;

// An address that starts with "http://" or "https://", in any letter case.
bool IsWebAddress(const char *address) {
  static const char *const kSchemes[] = {"http://", "https://"};
  for (const char *scheme : kSchemes) {
    char head[sizeof "https://"];
    CopyText(head, static_cast<int>(strlen(scheme)) + 1, address);
    if (EqualsIgnoringCase(head, scheme)) return true;
  }
  return false;
}

}  // namespace

bool OpenSettingsUrl(const Setting<kPathCapacity> &row) {
  char address[kPathCapacity] = "";
  ReadSetting(row, address);
  return OpenInBrowser(address);
}

void ProgramFolderOf(const char *programPath, char *dest, int capacity) {
  CopyText(dest, capacity, programPath);
  const int separator = LastSeparator(dest, "\\:", SystemTextSpelling(), 1);
  if (separator > 0) dest[separator] = '\0';
}

bool OpenInBrowser(const char *address) {
  // Since Windows 8 the customer's choice of browser is kept for the http
  // and https protocols where only the shell reads it; the ".htm" program
  // may be another, or a page viewer that no longer opens addresses.
  if (IsWebAddress(address)) {
    const long long opened = ShellOpenAddress(address);
    if (opened > 32) return true;
    // The customer said no to the shell's prompt: no other program opens
    // the page either.
    if (opened == kShellCancelled) return false;
  }
  char fileType[kRegistryTextCapacity];
  if (!ReadClassesRootDefault(".htm", fileType, kRegistryTextCapacity)) return false;
  // The command key's name must fit whole, or another key would be opened.
  static const char kOpenCommandKey[] = "\\shell\\open\\command";
  if (strlen(fileType) + strlen(kOpenCommandKey) >= kRegistryTextCapacity) return false;
  AppendText(fileType, kRegistryTextCapacity, kOpenCommandKey);
  char openCommand[kRegistryTextCapacity];
  // A command stored for expansion names its program through variables such
  // as %ProgramFiles%; one that no longer fits once expanded opens nothing.
  if (!ReadExpandedRegistryText(RegistryRoot::ClassesRoot, fileType, nullptr, openCommand,
                                kRegistryTextCapacity))
    return false;

  // The open command's own arguments ("%1", options) are dropped: the
  // address alone follows the program.
  char program[kRegistryTextCapacity];
  char arguments[kRegistryTextCapacity];
  SplitCommandLine(openCommand, program, kRegistryTextCapacity, arguments, kRegistryTextCapacity);
  char folder[kRegistryTextCapacity];
  ProgramFolderOf(program, folder, kRegistryTextCapacity);
  // The program's own name comes first on its command line: a browser that
  // found the address in its place would take it for its name and open its
  // start page instead.
  char commandLine[kRegistryTextCapacity + kPathCapacity + 4];
  FormatText(commandLine, sizeof commandLine, "\"%s\" %s", program, address);
  return StartProgram(program, commandLine, folder);
}
