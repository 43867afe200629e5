#pragma once
// The product on the customer's computer, as its uninstall entry tells it:
// whether it is installed, in which version, its program, and the programs
// that change or repair it and that remove it. A disc whose settings name
// no uninstall entry never asks the registry.
#include "product/product_entry.h"

struct InstalledProduct {
  bool installed;
  char version[kValueCapacity];  // DisplayVersion, as UTF-8
  char program[kPathCapacity];   // the product's program; empty when none is found
  ProductCommand change;         // Change or Repair
  ProductCommand removal;        // Uninstall
};

// Reads the entry under Software\Microsoft\Windows\CurrentVersion\Uninstall
// from the first place that has it with a DisplayName: the machine's 64-bit
// keys, its 32-bit keys, the customer's own. With [General] "Upgrade Code"
// the entry is that of the newest product Windows Installer holds for the
// code, whatever its product code; else, and when there is none, the one
// [General] "Uninstall Entry" names. Returns false when the settings name no
// entry.
//
// As Windows' own list of programs: Change or Repair starts ModifyPath unless
// NoModify is 1; a product of Windows Installer (WindowsInstaller 1, its
// entry named by its product code) without it is repaired by msiexec unless
// NoRepair is 1 too. Uninstall starts UninstallString, for a Windows
// Installer product msiexec's removal, unless NoRemove is 1. The product's
// program: product_program.h.
bool ReadInstalledProduct(InstalledProduct &product);
