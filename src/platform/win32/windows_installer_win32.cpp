#include <windows.h>
#include <msi.h>

#include "platform/windows_installer.h"
#include "system_library_win32.h"

bool FindRelatedProduct(const char *upgradeCode, int index,
                        char (&productCode)[kProductCodeCapacity]) {
  // Loaded when a disc first names an upgrade code, never imported.
  static const HMODULE library = LoadSystemLibrary("msi.dll");
  auto enumerate =
      FindFunction<decltype(&MsiEnumRelatedProductsA)>(library, "MsiEnumRelatedProductsA");
  productCode[0] = '\0';
  if (enumerate == nullptr || index < 0) return false;
  return enumerate(upgradeCode, 0, static_cast<DWORD>(index), productCode) == ERROR_SUCCESS;
}
