#pragma once
// The codes Windows Installer names products and their families by.

// True for a GUID in the braces of its registry form,
// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} (hexadecimal digits in any case).
bool IsProductCode(const char *text);
