#pragma once
// A product's entry under Software\Microsoft\Windows\CurrentVersion\Uninstall,
// where it was found, and the programs its values name.
#include "platform/registry.h"
#include "settings/key_vocabulary.h"

// A program's path followed by its arguments.
constexpr int kCommandLineCapacity = 2 * kPathCapacity;

struct ProductEntry {
  RegistryRoot root;
  char name[kValueCapacity];        // the key's own name: a product code for Windows Installer
  char key[64 + kValueCapacity];    // the key under its root
};

// A program of the product to start, named so that the launcher can start
// it: a path in the ANSI code page that names the file exactly, else in its
// short form, and arguments the code page expresses.
struct ProductCommand {
  char program[kPathCapacity];  // empty: nothing to start
  char arguments[kCommandLineCapacity];
};

// The command line of the entry's value (UninstallString, ModifyPath). A
// program named without a folder (MsiExec.exe) is the system folder's; an
// argument that names a file by letters the code page lacks is given in its
// short form. None when the program or an argument cannot be named so.
void ReadEntryCommand(const ProductEntry &entry, const char *valueName, ProductCommand &command);

// msiexec of the system folder with the options, then the entry's product
// code.
void WindowsInstallerCommand(const ProductEntry &entry, const char *options,
                             ProductCommand &command);
