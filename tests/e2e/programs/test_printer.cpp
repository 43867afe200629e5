// test_printer: the end-to-end tests' printer, which writes each job as
// PostScript to a file of the host, with no print daemon.
//
//   test_printer install UNIX_FILE [NAME PORT]
//                                    add the printer (again) and make it the default;
//                                    NAME and PORT (UTF-8) for another one than the
//                                    tests' own
//   test_printer remove [NAME]       delete it: the system has no printer left
//   test_printer sample              the screen's extent of the launcher's layout
//                                    sample in its print font (width, height)
//
// Exit codes: 0 done, 1 failed (the failing call is named), 2 bad usage.
#include <windows.h>
#include <shellapi.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const wchar_t kPrinterName[] = L"VelInst Test Printer";
// A port of our own: ports of the host's print daemon are dropped when the
// daemon does not list them.
const wchar_t kPortName[] = L"VELINSTPRN:";
const char kDriverName[] = "Wine PostScript Driver";
const wchar_t kWideDriverName[] = L"Wine PostScript Driver";

int Failed(const char *what) {
  fprintf(stderr, "test_printer: %s failed (error %lu)\n", what, GetLastError());
  return 1;
}

// The system's generic PostScript description, a resource of winspool.drv,
// copied to where the driver's data files live.
bool WriteGenericDescription(std::string *path) {
  HMODULE spooler = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (spooler == nullptr) return false;
  HRSRC found = FindResourceA(spooler, MAKEINTRESOURCEA(1), "PPDFILE");
  HGLOBAL loaded = found != nullptr ? LoadResource(spooler, found) : nullptr;
  const void *bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  DWORD size = found != nullptr ? SizeofResource(spooler, found) : 0;
  char folder[MAX_PATH];
  DWORD needed = 0;
  bool written = false;
  if (bytes != nullptr &&
      GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(folder),
                                 sizeof folder, &needed)) {
    std::string driverFolder = std::string(folder) + "\\3";
    CreateDirectoryA(driverFolder.c_str(), nullptr);
    *path = driverFolder + "\\generic.ppd";
    HANDLE file = CreateFileA(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD done = 0;
    written = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes, size, &done, nullptr) &&
              done == size;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  FreeLibrary(spooler);
  return written;
}

// Printer names may lie outside the ANSI code page: they are taken in wide
// letters from the command line.
bool DeleteTestPrinter(const wchar_t *name) {
  PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<wchar_t *>(name), &printer, &access)) return false;
  const bool deleted = DeletePrinter(printer) != FALSE;
  ClosePrinter(printer);
  return deleted;
}

int Install(const char *unixFile, const wchar_t *name, const wchar_t *port) {
  std::string description;
  if (!WriteGenericDescription(&description)) return Failed("copying the PPD");

  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = const_cast<char *>(kDriverName);
  driver.pDriverPath = const_cast<char *>("wineps.drv");
  driver.pConfigFile = const_cast<char *>("wineps.drv");
  driver.pDataFile = const_cast<char *>(description.c_str());
  driver.pDefaultDataType = const_cast<char *>("RAW");
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE *>(&driver), APD_COPY_NEW_FILES))
    return Failed("AddPrinterDriverExA");

  // Where the port writes: each job replaces the file.
  HKEY spooler = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Printing\\Spooler", 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &spooler, nullptr) != ERROR_SUCCESS)
    return Failed("creating the spooler key");
  std::wstring file(unixFile, unixFile + strlen(unixFile));
  LONG set = RegSetValueExW(spooler, port, 0, REG_SZ, reinterpret_cast<const BYTE *>(file.c_str()),
                            static_cast<DWORD>((file.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(spooler);
  if (set != ERROR_SUCCESS) return Failed("mapping the port to the file");

  DeleteTestPrinter(name);  // a printer from an earlier install starts afresh
  PRINTER_INFO_2W info = {};
  info.pPrinterName = const_cast<wchar_t *>(name);
  info.pPortName = const_cast<wchar_t *>(port);
  info.pDriverName = const_cast<wchar_t *>(kWideDriverName);
  info.pPrintProcessor = const_cast<wchar_t *>(L"WinPrint");
  info.pDatatype = const_cast<wchar_t *>(L"RAW");
  HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&info));
  if (printer == nullptr) return Failed("AddPrinterW");
  ClosePrinter(printer);
  if (!SetDefaultPrinterW(name)) return Failed("SetDefaultPrinterW");
  return 0;
}

int Remove(const wchar_t *name) {
  if (!DeleteTestPrinter(name) && GetLastError() != ERROR_INVALID_PRINTER_NAME)
    return Failed("DeletePrinter");
  return 0;
}

// As the launcher measures its layout sample: Arial of character height 88
// on the screen.
int Sample() {
  LOGFONTA font = {};
  font.lfHeight = -88;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  strcpy(font.lfFaceName, "Arial");
  HDC screen = GetDC(nullptr);
  HFONT created = CreateFontIndirectA(&font);
  HGDIOBJ previous = SelectObject(screen, created);
  SIZE size = {};
  const char sample[] = "AaBbCcXxYyZz";
  GetTextExtentPoint32A(screen, sample, static_cast<int>(strlen(sample)), &size);
  SelectObject(screen, previous);
  DeleteObject(created);
  ReleaseDC(nullptr, screen);
  printf("width=%ld\theight=%ld\n", size.cx, size.cy);
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  int count = 0;
  wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr || count != argc) return Failed("reading the command line");
  if ((argc == 3 || argc == 5) && strcmp(argv[1], "install") == 0)
    return Install(argv[2], argc == 5 ? wide[3] : kPrinterName, argc == 5 ? wide[4] : kPortName);
  if ((argc == 2 || argc == 3) && strcmp(argv[1], "remove") == 0)
    return Remove(argc == 3 ? wide[2] : kPrinterName);
  if (argc == 2 && strcmp(argv[1], "sample") == 0) return Sample();
  fprintf(stderr, "usage: test_printer install UNIX_FILE [NAME PORT] | remove [NAME] | sample\n");
  return 2;
}
