#include "product/product_program.h"

#include <cstring>
#include <string>

#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/system_text.h"
#include "product/system_values.h"
#include "settings/settings.h"
#include "text/bounded.h"
#include "text/characters.h"
#include "text/command_line.h"

namespace {

const char kAppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// As the shell looks a program up: the customer's own first.
const RegistryRoot kAppPathPlaces[] = {RegistryRoot::CurrentUser, RegistryRoot::Machine64,
                                       RegistryRoot::Machine32};

// The registry's texts, as UTF-8.
constexpr AnsiSpelling kSystemSpelling = {true, nullptr};

bool EndsWithIgnoringCase(const char *text, const char *end) {
  const size_t length = strlen(text), endLength = strlen(end);
  return length >= endLength && EqualsIgnoringCase(text + length - endLength, end);
}

bool StartsWithIgnoringCase(const char *text, const char *start) {
  const size_t length = strlen(start);
  return strlen(text) >= length && EqualsIgnoringCase(std::string(text, length).c_str(), start);
}

// A program that is there, in the form it is started by.
bool ExistingProgram(const char *path, char *dest) {
  return UsableSystemPath(path, dest, kPathCapacity) > 0 && PathExists(dest);
}

// The cache where Windows Installer keeps the icons of its products, each in
// a program of its own that is no program of the product.
bool InInstallerCache(const char *path) {
  char cache[kPathCapacity];
  return ExpandSystemText("%SystemRoot%\\Installer\\", cache, kPathCapacity) > 0 &&
         cache[0] != '%' && StartsWithIgnoringCase(path, cache);
}

bool ProgramInInstallLocation(const ProductEntry &entry, const char *name, char *dest) {
  char folder[kPathCapacity];
  char path[kPathCapacity];
  return ReadSystemValue(entry.root, entry.key, "InstallLocation", folder, kPathCapacity) &&
         folder[0] != '\0' && JoinPath(path, kPathCapacity, folder, name, kSystemSpelling) &&
         ExistingProgram(path, dest);
}

// The App Paths entry of the program's file name: its default value is the
// program's path, quoted or not.
bool ProgramInAppPaths(const char *ansiName, char *dest) {
  const char *fileName = ansiName + LastSeparator(ansiName, "\\/", SystemTextSpelling()) + 1;
  char key[sizeof kAppPathsKey + kPathCapacity];
  FormatText(key, sizeof key, "%s%s", kAppPathsKey, fileName);
  char path[kPathCapacity];
  for (RegistryRoot root : kAppPathPlaces) {
    if (!ReadSystemValue(root, key, nullptr, path, kPathCapacity)) continue;
    char program[kPathCapacity];
    char ignored[kPathCapacity];
    SplitCommandLine(path, program, kPathCapacity, ignored, kPathCapacity);
    if (program[0] != '\0' && ExistingProgram(program, dest)) return true;
  }
  return false;
}

bool ProgramOfDisplayIcon(const ProductEntry &entry, const char *uninstaller, char *dest) {
  char icon[kCommandLineCapacity];
  if (!ReadSystemValue(entry.root, entry.key, "DisplayIcon", icon, kCommandLineCapacity))
    return false;
  char path[kPathCapacity];
  ProgramOfIcon(icon, path, kPathCapacity);
  // Some installers show the uninstaller's icon.
  return path[0] != '\0' && !InInstallerCache(path) && ExistingProgram(path, dest) &&
         !EqualsIgnoringCase(dest, uninstaller);
}

}  // namespace

void FindProductProgram(const ProductEntry &entry, const char *uninstaller,
                        char (&program)[kPathCapacity]) {
  char name[kPathCapacity] = "";
  char systemName[kPathCapacity];
  const bool named = ReadSetting(kGeneralInstalledProgram, name) > 0 &&
                     SystemTextFromAnsi(name, systemName, kPathCapacity);
  if (named && (ProgramInInstallLocation(entry, systemName, program) ||
                ProgramInAppPaths(name, program)))
    return;
  if (!ProgramOfDisplayIcon(entry, uninstaller, program)) program[0] = '\0';
}

void ProgramOfIcon(const char *displayIcon, char *dest, int capacity) {
  char program[kCommandLineCapacity];
  CopyText(program, kCommandLineCapacity, displayIcon[0] == '"' ? displayIcon + 1 : displayIcon);
  char *quote = strchr(program, '"');
  if (quote != nullptr) *quote = '\0';
  // The icon's number after the last comma.
  char *comma = strrchr(program, ',');
  if (comma != nullptr) {
    const char *digits = comma[1] == '-' ? comma + 2 : comma + 1;
    if (*digits != '\0' && strspn(digits, "0123456789") == strlen(digits)) *comma = '\0';
  }
  // A path cut to fit would name another file: none rather than that one.
  const bool names = EndsWithIgnoringCase(program, ".exe") && FitsIn(capacity, program);
  CopyText(dest, capacity, names ? program : "");
}
