// The structures the launcher hands to Windows carry their size (or are read
// by it) as the build lays them out: a fixed number would fit only one of the
// builds, and Windows refuses a size it does not expect. The release is the
// 32-bit build: there each has its documented 32-bit size, packing included
// (the print dialog's is packed to single bytes). The form engine checks its
// own.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <winspool.h>

#if defined(__i386__)
static_assert(sizeof(PRINTDLGW) == 66, "the print dialog's structure, packed");
static_assert(sizeof(DEVNAMES) == 8, "the print dialog's names block header");
static_assert(sizeof(DOCINFOW) == 20, "a print document's information");
static_assert(sizeof(OPENFILENAMEW) == 88, "the Save dialog's structure");
static_assert(sizeof(PRINTER_INFO_2W) == 84, "a printer's level-2 information");
static_assert(sizeof(LOGFONTA) == 60, "a logical font");
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "a launch through the shell");
static_assert(sizeof(STARTUPINFOA) == 68 && sizeof(PROCESS_INFORMATION) == 16,
              "a started program's information");
static_assert(sizeof(MONITORINFO) == 40, "a monitor's rectangles");
static_assert(sizeof(WNDCLASSA) == 40 && sizeof(MSG) == 28 && sizeof(PAINTSTRUCT) == 64,
              "the backdrop window's class, messages and painting");
#endif
