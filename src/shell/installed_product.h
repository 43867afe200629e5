#pragma once
// The product on the customer's computer, as its uninstall entry tells it:
// whether it is installed, in which version, and the programs that start,
// repair or modify, and remove it. A disc whose settings name no uninstall
// entry never asks the registry, and its buttons stay as its screens have
// them.
#include "platform/window_handle.h"
#include "settings/key_vocabulary.h"

// A program's path followed by its arguments.
constexpr int kCommandLineCapacity = 2 * kPathCapacity;

struct InstalledProduct {
  bool installed;
  char version[kValueCapacity];                  // DisplayVersion
  char program[kPathCapacity];                   // the installed program; empty when unknown
  char modifyCommand[kCommandLineCapacity];      // ModifyPath
  char uninstallCommand[kCommandLineCapacity];   // UninstallString
};

// What the Install button (command 3024) does.
enum class InstallOffer { Install, Update, Run };

// Reads the entry named by [General] "Uninstall Entry" under
// Software\Microsoft\Windows\CurrentVersion\Uninstall, from the first place
// that has it: the machine's 64-bit keys, its 32-bit keys, the customer's
// own. Returns false when the settings name no entry.
bool ReadInstalledProduct(InstalledProduct &product);

// Install when the product is not installed; Update when it is, in a
// version older than the disc's; Run otherwise (also when either version is
// unknown).
InstallOffer OfferFor(const InstalledProduct &product, const char *discVersion);

// Compares two versions number by number ("4.0.10" after "4.0.2"; any other
// character separates numbers, a missing number counts as 0): <0, 0 or >0.
int CompareVersions(const char *left, const char *right);

// The program file of a DisplayIcon value ("C:\x\app.exe,0", quoted or not);
// empty when it names no program (an .ico file).
void ProgramOfIcon(const char *displayIcon, char *dest, int capacity);

// Shows the product's state on the current form: the Install button's
// caption, and which of the Install, Run, Repair/Modify and Uninstall
// buttons can be pressed. Does nothing on a disc that names no entry.
void ShowProductState();

// Command 3024: the installer, or with the product installed and up to
// date the installed program.
long long InstallOrRun(WindowHandle backdrop);

// Commands 3030, 3031 and 3032. Each returns 0 when there is nothing to
// start, else the shell's result.
long long RunInstalledProduct(WindowHandle backdrop);
long long ModifyInstalledProduct(WindowHandle backdrop);
long long UninstallProduct(WindowHandle backdrop);
