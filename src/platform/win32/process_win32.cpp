#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/process.h"

bool StartProgram(const char *application, const char *commandLine,
                  const char *directory) {
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> line(commandLine, commandLine + strlen(commandLine) + 1);
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  ZeroMemory(&process, sizeof process);
  BOOL created = CreateProcessA(application, line.data(), nullptr, nullptr, FALSE,
                                CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS,
                                nullptr, directory, &startup, &process);
  if (!created) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}
