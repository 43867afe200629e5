#pragma once
// What Windows Installer knows of the products it installed, asked of its own
// library, which is loaded at run time from the system folder.

// A product code in its registry form, {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX},
// with its terminator.
constexpr int kProductCodeCapacity = 39;

// The product code of the `index`-th product (from 0) installed with this
// upgrade code, whatever its version. False when there is no such product,
// or no Windows Installer.
bool FindRelatedProduct(const char *upgradeCode, int index,
                        char (&productCode)[kProductCodeCapacity]);
