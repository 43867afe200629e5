#include "shell/installed_product.h"

#include <cctype>
#include <cstring>

#include "forms/form_engine.h"
#include "platform/code_page.h"
#include "platform/shell_open.h"
#include "platform/strings.h"
#include "resources/texts.h"
#include "shell/browser.h"
#include "shell/command_table.h"
#include "shell/installer.h"
#include "shell/registry_text.h"
#include "settings/settings.h"
#include "shell/step_aside.h"
#include "text/bounded.h"
#include "text/characters.h"
#include "text/command_line.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// 64-bit products first, where a 64-bit Windows keeps them; a 32-bit
// product's entry is in the machine's 32-bit keys; a product installed for
// the customer alone is in the customer's.
const RegistryRoot kEntryPlaces[] = {RegistryRoot::Machine64, RegistryRoot::Machine32,
                                     RegistryRoot::CurrentUser};

bool EndsWithIgnoringCase(const char *text, const char *end) {
  const size_t length = strlen(text), endLength = strlen(end);
  return length >= endLength && EqualsIgnoringCase(text + length - endLength, end);
}

// The installed program: [General] "Installed Program" in the entry's
// InstallLocation, else (also when the installer wrote no InstallLocation)
// the program its icon is taken from, unless that is the uninstaller (as
// some installers set it).
void FindProgram(RegistryRoot root, const char *key, InstalledProduct &product) {
  char name[kPathCapacity] = "";
  char text[kCommandLineCapacity];
  product.program[0] = '\0';
  if (ReadSetting(kGeneralInstalledProgram, name) > 0 &&
      ReadExpandedRegistryText(root, key, "InstallLocation", text, kPathCapacity) &&
      text[0] != '\0') {
    JoinPath(product.program, kPathCapacity, text, name, SystemTextSpelling());
    return;
  }
  if (!ReadExpandedRegistryText(root, key, "DisplayIcon", text, kCommandLineCapacity)) return;
  char icon[kPathCapacity];
  ProgramOfIcon(text, icon, kPathCapacity);
  char uninstaller[kCommandLineCapacity];
  char ignored[kCommandLineCapacity];
  SplitCommandLine(product.uninstallCommand, uninstaller, kCommandLineCapacity, ignored,
                   kCommandLineCapacity);
  if (!EqualsIgnoringCase(icon, uninstaller)) CopyText(product.program, kPathCapacity, icon);
}

void ReadEntry(RegistryRoot root, const char *key, InstalledProduct &product) {
  product.installed = true;
  ReadExpandedRegistryText(root, key, "DisplayVersion", product.version, kValueCapacity);
  ReadExpandedRegistryText(root, key, "ModifyPath", product.modifyCommand, kCommandLineCapacity);
  ReadExpandedRegistryText(root, key, "UninstallString", product.uninstallCommand,
                           kCommandLineCapacity);
  FindProgram(root, key, product);
}

// The numbers of a version one at a time: the next run of digits, capped
// where it would no longer fit; 0 at the end.
unsigned long long NextNumber(const char *&text) {
  while (*text != '\0' && !isdigit(static_cast<unsigned char>(*text))) ++text;
  unsigned long long number = 0;
  for (; isdigit(static_cast<unsigned char>(*text)); ++text)
    number = number < 100000000000000000ULL ? number * 10 + static_cast<unsigned>(*text - '0')
                                            : number;
  return number;
}

// Starts a program named by a command line of the entry, watched.
long long StartEntryCommand(WindowHandle backdrop, const char *commandLine) {
  char program[kCommandLineCapacity];
  char parameters[kCommandLineCapacity];
  SplitCommandLine(commandLine, program, kCommandLineCapacity, parameters, kCommandLineCapacity);
  if (program[0] == '\0') return 0;
  return StartWatched(backdrop, program, parameters[0] != '\0' ? parameters : nullptr);
}

long long StartProgramOf(WindowHandle backdrop, const InstalledProduct &product) {
  if (!product.installed || product.program[0] == '\0') return 0;
  // Started in its own folder, as a shortcut to it would start it.
  char folder[kPathCapacity];
  ProgramFolderOf(product.program, folder, kPathCapacity);
  return ShellStart(backdrop, product.program, nullptr, folder, nullptr);
}

InstallOffer CurrentOffer(InstalledProduct &product) {
  char discVersion[kValueCapacity] = "";
  ReadSetting(kGeneralVersion, discVersion);
  return OfferFor(product, discVersion);
}

}  // namespace

bool ReadInstalledProduct(InstalledProduct &product) {
  product = InstalledProduct{};
  char entry[kValueCapacity] = "";
  if (ReadSetting(kGeneralUninstallEntry, entry) == 0) return false;
  char key[sizeof kUninstallKey + kValueCapacity];
  FormatText(key, sizeof key, "%s%s", kUninstallKey, entry);
  char name[kCommandLineCapacity];
  for (RegistryRoot root : kEntryPlaces) {
    // An entry without a name to show is left out of the system's own list
    // of installed programs, and counts as none here either.
    if (ReadRegistryText(root, key, "DisplayName", name, kCommandLineCapacity)) {
      ReadEntry(root, key, product);
      break;
    }
  }
  return true;
}

InstallOffer OfferFor(const InstalledProduct &product, const char *discVersion) {
  if (!product.installed) return InstallOffer::Install;
  if (product.version[0] != '\0' && discVersion[0] != '\0' &&
      CompareVersions(product.version, discVersion) < 0)
    return InstallOffer::Update;
  return InstallOffer::Run;
}

int CompareVersions(const char *left, const char *right) {
  while (*left != '\0' || *right != '\0') {
    const unsigned long long a = NextNumber(left), b = NextNumber(right);
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
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

void ShowProductState() {
  InstalledProduct product;
  if (!ReadInstalledProduct(product)) return;
  const InstallOffer offer = CurrentOffer(product);
  // While the installer or the product's own setup runs, none of them is
  // started a second time.
  const bool idle = !WatchedProgramRunning();
  const bool runs = product.installed && product.program[0] != '\0';
  char caption[kValueCapacity];
  switch (offer) {
    case InstallOffer::Install:
      VORM_SetCommandButton(kCommandInstall, nullptr, idle);
      break;
    case InstallOffer::Update:
      LoadText(TEXT_UPDATE_CAPTION, caption, kValueCapacity);
      ReadSetting(kGeneralUpdateCaption, caption);
      VORM_SetCommandButton(kCommandInstall, caption, idle);
      break;
    case InstallOffer::Run:
      LoadText(TEXT_RUN_CAPTION, caption, kValueCapacity);
      ReadSetting(kGeneralRunCaption, caption);
      VORM_SetCommandButton(kCommandInstall, caption, idle && runs);
      break;
  }
  // Nor is the product started while its own setup changes or removes it.
  VORM_SetCommandButton(kCommandRunProduct, nullptr, idle && runs);
  VORM_SetCommandButton(kCommandModifyProduct, nullptr,
                        idle && product.installed && product.modifyCommand[0] != '\0');
  VORM_SetCommandButton(kCommandUninstallProduct, nullptr,
                        idle && product.installed && product.uninstallCommand[0] != '\0');
}

long long InstallOrRun(WindowHandle backdrop) {
  InstalledProduct product;
  if (ReadInstalledProduct(product) && CurrentOffer(product) == InstallOffer::Run)
    return StartProgramOf(backdrop, product);
  return LaunchInstaller(backdrop);
}

long long RunInstalledProduct(WindowHandle backdrop) {
  InstalledProduct product;
  return ReadInstalledProduct(product) ? StartProgramOf(backdrop, product) : 0;
}

long long ModifyInstalledProduct(WindowHandle backdrop) {
  InstalledProduct product;
  if (!ReadInstalledProduct(product) || !product.installed) return 0;
  return StartEntryCommand(backdrop, product.modifyCommand);
}

long long UninstallProduct(WindowHandle backdrop) {
  InstalledProduct product;
  if (!ReadInstalledProduct(product) || !product.installed) return 0;
  return StartEntryCommand(backdrop, product.uninstallCommand);
}
