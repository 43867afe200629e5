#include "product/product_entry.h"

#include <cstring>
#include <string>

#include "platform/code_page.h"
#include "platform/folders.h"
#include "platform/system_text.h"
#include "product/system_values.h"
#include "settings/paths.h"
#include "text/bounded.h"
#include "text/characters.h"
#include "text/command_line.h"

namespace {

// The system folder's program of that name.
bool SystemProgram(const char *name, char *dest) {
  char folder[kPathCapacity];
  char ansiName[kPathCapacity];
  return UsablePath(GetSystemFolderForms(), folder, kPathCapacity) > 0 &&
         SystemTextToAnsi(name, ansiName, kPathCapacity) &&
         JoinPath(dest, kPathCapacity, folder, ansiName, SystemTextSpelling());
}

// The arguments in the ANSI code page: exactly, else with each argument
// that names a file or folder by letters the code page lacks in its short
// form. False when one still cannot be named.
bool ArgumentsInCodePage(const char *arguments, char *dest, int capacity) {
  if (SystemTextToAnsi(arguments, dest, capacity)) return true;
  std::string result;
  for (const char *at = arguments; *at != '\0';) {
    if (*at == ' ') {
      result += *at++;
      continue;
    }
    const bool quoted = *at == '"';
    const char *start = quoted ? at + 1 : at;
    const char *end = quoted ? strchr(start, '"') : start + strcspn(start, " ");
    if (end == nullptr) end = start + strlen(start);
    char ansi[kPathCapacity];
    const std::string argument(start, end);
    if (!SystemTextToAnsi(argument.c_str(), ansi, kPathCapacity) &&
        UsableSystemPath(argument.c_str(), ansi, kPathCapacity) == 0)
      return false;
    result += quoted ? "\"" + std::string(ansi) + "\"" : std::string(ansi);
    at = quoted && *end == '"' ? end + 1 : end;
  }
  if (!FitsIn(capacity, result.c_str())) return false;
  CopyText(dest, capacity, result.c_str());
  return true;
}

}  // namespace

void ReadEntryCommand(const ProductEntry &entry, const char *valueName, ProductCommand &command) {
  command = ProductCommand{};
  char line[kCommandLineCapacity];
  if (!ReadSystemValue(entry.root, entry.key, valueName, line, kCommandLineCapacity)) return;
  char program[kCommandLineCapacity];
  char arguments[kCommandLineCapacity];
  SplitCommandLine(line, program, kCommandLineCapacity, arguments, kCommandLineCapacity);
  if (program[0] == '\0') return;
  const bool bare = strpbrk(program, "\\/:") == nullptr;
  const bool named = bare ? SystemProgram(program, command.program)
                          : UsableSystemPath(program, command.program, kPathCapacity) > 0;
  if (!named || !ArgumentsInCodePage(arguments, command.arguments, kCommandLineCapacity))
    command = ProductCommand{};
}

void WindowsInstallerCommand(const ProductEntry &entry, const char *options,
                             ProductCommand &command) {
  command = ProductCommand{};
  if (SystemProgram("msiexec.exe", command.program))
    FormatText(command.arguments, kCommandLineCapacity, "%s%s", options, entry.name);
}
