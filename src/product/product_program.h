#pragma once
// The product's own program, which Start and a Run button start.
#include "product/product_entry.h"

// [General] "Installed Program" in the entry's InstallLocation, else where
// its App Paths entry says (the customer's, then the machine's), else the
// program the entry's DisplayIcon names unless that is `uninstaller` or lies
// in the Windows Installer's cache of icons: the first that is there, in the
// form it is started by; empty when none is.
void FindProductProgram(const ProductEntry &entry, const char *uninstaller,
                        char (&program)[kPathCapacity]);

// The program file of a DisplayIcon value ("C:\x\app.exe,0", quoted or not);
// empty when it names no program (an .ico file).
void ProgramOfIcon(const char *displayIcon, char *dest, int capacity);
