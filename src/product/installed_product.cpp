#include "product/installed_product.h"

#include "platform/windows_installer.h"
#include "product/product_code.h"
#include "product/product_program.h"
#include "product/system_values.h"
#include "product/version.h"
#include "settings/settings.h"
#include "text/bounded.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// 64-bit products first, where a 64-bit Windows keeps them; a 32-bit
// product's entry is in the machine's 32-bit keys; a product installed for
// the customer alone is in the customer's.
const RegistryRoot kEntryPlaces[] = {RegistryRoot::Machine64, RegistryRoot::Machine32,
                                     RegistryRoot::CurrentUser};

// Products of one upgrade code looked at: more than a customer ever has.
constexpr int kMaxRelatedProducts = 16;

// The repair Windows' own list of programs offers: files missing or older,
// the customer's and the machine's registry entries, shortcuts.
const char kRepairOptions[] = "/fomus ";

// An entry without a name to show is left out of the system's own list of
// installed programs, and counts as none here either.
bool FindEntry(const char *name, ProductEntry &entry) {
  CopyText(entry.name, kValueCapacity, name);
  FormatText(entry.key, sizeof entry.key, "%s%s", kUninstallKey, name);
  char shown[kCommandLineCapacity];
  for (RegistryRoot root : kEntryPlaces) {
    entry.root = root;
    if (ReadRegistrySystemText(root, entry.key, "DisplayName", shown, kCommandLineCapacity))
      return true;
  }
  return false;
}

// The newest installed product of the disc's upgrade code.
bool FindRelatedEntry(ProductEntry &found) {
  char upgradeCode[kValueCapacity] = "";
  if (ReadSetting(kGeneralUpgradeCode, upgradeCode) == 0) return false;
  char newest[kValueCapacity] = "";
  bool any = false;
  char productCode[kProductCodeCapacity];
  for (int index = 0;
       index < kMaxRelatedProducts && FindRelatedProduct(upgradeCode, index, productCode);
       ++index) {
    ProductEntry entry;
    if (!FindEntry(productCode, entry)) continue;
    char version[kValueCapacity] = "";
    ReadSystemValue(entry.root, entry.key, "DisplayVersion", version, kValueCapacity);
    if (any && CompareVersions(version, newest) <= 0) continue;
    found = entry;
    CopyText(newest, kValueCapacity, version);
    any = true;
  }
  return any;
}

bool IsSet(const ProductEntry &entry, const char *flag) {
  unsigned long value = 0;
  return ReadRegistryNumber(entry.root, entry.key, flag, &value) && value == 1;
}

void ReadEntry(const ProductEntry &entry, InstalledProduct &product) {
  product.installed = true;
  ReadSystemValue(entry.root, entry.key, "DisplayVersion", product.version, kValueCapacity);
  unsigned long windowsInstaller = 0;
  const bool byWindowsInstaller =
      ReadRegistryNumber(entry.root, entry.key, "WindowsInstaller", &windowsInstaller) &&
      windowsInstaller == 1 && IsProductCode(entry.name);
  if (!IsSet(entry, "NoRemove")) {
    if (byWindowsInstaller)
      WindowsInstallerCommand(entry, "/x", product.removal);
    else
      ReadEntryCommand(entry, "UninstallString", product.removal);
  }
  if (!IsSet(entry, "NoModify")) ReadEntryCommand(entry, "ModifyPath", product.change);
  if (product.change.program[0] == '\0' && byWindowsInstaller && !IsSet(entry, "NoRepair"))
    WindowsInstallerCommand(entry, kRepairOptions, product.change);
  FindProductProgram(entry, product.removal.program, product.program);
}

}  // namespace

bool ReadInstalledProduct(InstalledProduct &product) {
  product = InstalledProduct{};
  char name[kValueCapacity] = "";
  if (ReadSetting(kGeneralUninstallEntry, name) == 0) return false;
  ProductEntry entry;
  if (FindRelatedEntry(entry) || FindEntry(name, entry)) ReadEntry(entry, product);
  return true;
}
