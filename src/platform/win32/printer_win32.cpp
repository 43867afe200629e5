#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include <winspool.h>

#include "common_dialogs_win32.h"
#include "platform/printer.h"
#include "platform/win32/apartment_win32.h"
#include "system_library_win32.h"

static_assert(kPrintDialogSetup == PD_PRINTSETUP && kPrintDialogNoWarning == PD_NOWARNING &&
                  kPrintDialogReturnDefault == PD_RETURNDEFAULT,
              "the print dialog flags are the PD_ flags");
static_assert(kPrintErrorNamesModeMismatch == PDERR_DNDMMISMATCH &&
                  kPrintErrorPrinterNotFound == PDERR_PRINTERNOTFOUND,
              "the print dialog errors are the PDERR_ codes");
static_assert(kAlignLeft == (TA_LEFT | TA_TOP) && kAlignRight == (TA_RIGHT | TA_TOP) &&
                  kAlignCentre == (TA_CENTER | TA_TOP),
              "alignments are the TA_ flags with the top of the text at y");
static_assert(sizeof(FontDescription) == sizeof(LOGFONTA) &&
                  kFaceNameCapacity == LF_FACESIZE,
              "a font description has the layout of LOGFONTA");

namespace {

// The printing system's own library, loaded when first needed from the
// system directory for the same reason as the common dialogs.
HMODULE SpoolerLibrary() {
  static const HMODULE library = LoadSystemLibrary("winspool.drv");
  return library;
}

// A wide name in UTF-8, cut to the capacity (no cut splits a character).
void ToUtf8(const wchar_t *name, char *dest, int capacity) {
  dest[0] = '\0';
  int length = lstrlenW(name);
  while (length > 0 &&
         WideCharToMultiByte(CP_UTF8, 0, name, length, dest, capacity - 1, nullptr, nullptr) == 0)
    --length;
  const int written =
      length > 0 ? WideCharToMultiByte(CP_UTF8, 0, name, length, dest, capacity - 1, nullptr, nullptr)
                 : 0;
  dest[written] = '\0';
}

// The driver of the named printer, as the spooler tells it.
void ReadDriverName(const wchar_t *printerName, char *dest, int capacity) {
  dest[0] = '\0';
  auto open = FindFunction<decltype(&OpenPrinterW)>(SpoolerLibrary(), "OpenPrinterW");
  auto get = FindFunction<decltype(&GetPrinterW)>(SpoolerLibrary(), "GetPrinterW");
  auto close = FindFunction<decltype(&ClosePrinter)>(SpoolerLibrary(), "ClosePrinter");
  HANDLE printer = nullptr;
  if (open == nullptr || get == nullptr || close == nullptr ||
      !open(const_cast<wchar_t *>(printerName), &printer, nullptr))
    return;
  DWORD needed = 0;
  get(printer, 2, nullptr, 0, &needed);
  // The level-2 record and the texts it points to, in one block.
  BYTE *block = needed > 0 ? static_cast<BYTE *>(HeapAlloc(GetProcessHeap(), 0, needed)) : nullptr;
  if (block != nullptr && get(printer, 2, block, needed, &needed)) {
    const auto *info = reinterpret_cast<const PRINTER_INFO_2W *>(block);
    if (info->pDriverName != nullptr) ToUtf8(info->pDriverName, dest, capacity);
  }
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
  close(printer);
}

}  // namespace

int ShowPrintDialog(PrintSettings &settings) {
  PRINTDLGW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = settings.owner;
  dialog.hDevMode = settings.deviceMode;
  dialog.hDevNames = settings.deviceNames;
  dialog.Flags = settings.flags;
  // Its wide form: a printer's name need not fit the ANSI code page, and the
  // blocks it fills are wide too. The dialog and the printer's driver may
  // hand work to COM objects.
  EnterApartment();
  auto printDialog = FindFunction<decltype(&PrintDlgW)>(CommonDialogLibrary(), "PrintDlgW");
  auto error =
      FindFunction<decltype(&CommDlgExtendedError)>(CommonDialogLibrary(), "CommDlgExtendedError");
  const BOOL result = printDialog != nullptr && printDialog(&dialog);
  settings.error = result || error == nullptr ? 0 : error();
  settings.deviceMode = dialog.hDevMode;
  settings.deviceNames = dialog.hDevNames;
  return result;
}

void ReleasePrintBlock(PrintBlock block) {
  if (block != nullptr) GlobalFree(block);
}

void ClearDefaultPrinterMark(PrintBlock deviceNames) {
  auto *names = deviceNames != nullptr ? static_cast<DEVNAMES *>(GlobalLock(deviceNames)) : nullptr;
  if (names == nullptr) return;
  names->wDefault &= static_cast<WORD>(~DN_DEFAULTPRN);
  GlobalUnlock(deviceNames);
}

PrinterNames ReadPrinterNames(PrintBlock deviceNames) {
  PrinterNames names = {};
  const auto *block = static_cast<const DEVNAMES *>(GlobalLock(deviceNames));
  if (block == nullptr) return names;
  const wchar_t *base = reinterpret_cast<const wchar_t *>(block);
  ToUtf8(base + block->wDeviceOffset, names.printer, kPrinterNameCapacity);
  ToUtf8(base + block->wOutputOffset, names.port, kPrinterNameCapacity);
  // The block names the spooler as the driver: the printer's own comes from
  // the spooler.
  ReadDriverName(base + block->wDeviceOffset, names.driver, kPrinterNameCapacity);
  GlobalUnlock(deviceNames);
  return names;
}

DrawingContext CreatePrinterContext(PrintBlock deviceNames, PrintBlock deviceMode) {
  const auto *names = static_cast<const DEVNAMES *>(GlobalLock(deviceNames));
  if (names == nullptr) return nullptr;
  const auto *mode =
      deviceMode != nullptr ? static_cast<const DEVMODEW *>(GlobalLock(deviceMode)) : nullptr;
  // The wide dialog's blocks: the three names lie at the offsets the header
  // gives, counted in wide characters.
  const wchar_t *base = reinterpret_cast<const wchar_t *>(names);
  EnterApartment();  // for the driver, as for the dialog
  HDC printer = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset,
                          base + names->wOutputOffset, mode);
  GlobalUnlock(deviceNames);
  if (mode != nullptr) GlobalUnlock(deviceMode);
  return printer;
}

void DeletePrinterContext(DrawingContext printer) {
  if (printer != nullptr) DeleteDC(printer);
}

PrinterMetrics ReadPrinterMetrics(DrawingContext printer) {
  return {GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES),
          GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY)};
}

DrawingContext GetWindowContext(WindowHandle window) { return GetDC(window); }

void ReleaseWindowContext(WindowHandle window, DrawingContext screen) {
  ReleaseDC(window, screen);
}

FontHandle CreateFontFrom(const FontDescription &description) {
  LOGFONTA font = {};
  font.lfHeight = description.height;
  font.lfWidth = description.width;
  font.lfEscapement = description.escapement;
  font.lfOrientation = description.orientation;
  font.lfWeight = description.weight;
  font.lfItalic = description.italic;
  font.lfUnderline = description.underline;
  font.lfStrikeOut = description.strikeOut;
  font.lfCharSet = description.charSet;
  font.lfOutPrecision = description.outPrecision;
  font.lfClipPrecision = description.clipPrecision;
  font.lfQuality = description.quality;
  font.lfPitchAndFamily = description.pitchAndFamily;
  memcpy(font.lfFaceName, description.faceName, LF_FACESIZE);
  font.lfFaceName[LF_FACESIZE - 1] = '\0';
  return CreateFontIndirectA(&font);
}

void DeleteFontHandle(FontHandle font) {
  if (font != nullptr) DeleteObject(font);
}

FontHandle SelectFontInto(DrawingContext context, FontHandle font) {
  return static_cast<HFONT>(SelectObject(context, font));
}

TextSize MeasureTextExtent(DrawingContext context, const char *text, int length) {
  SIZE size = {};
  if (!GetTextExtentPoint32A(context, text, length, &size)) return {0, 0};
  return {size.cx, size.cy};
}

bool StartPrintDocument(DrawingContext printer, const char *documentName,
                        const wchar_t *outputFile) {
  wchar_t name[64];
  if (MultiByteToWideChar(CP_ACP, 0, documentName, -1, name, 64) == 0) name[0] = L'\0';
  DOCINFOW document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = name;
  document.lpszOutput = outputFile;
  // A 32-bit program's printing on 64-bit Windows runs in a process of the
  // printing system, whose dialogs (a driver's own "save as", a printer's
  // settings) would otherwise open behind the full-screen backdrop.
  AllowSetForegroundWindow(ASFW_ANY);
  return StartDocW(printer, &document) > 0;
}

void EndPrintDocument(DrawingContext printer) { EndDoc(printer); }
void StartPrintPage(DrawingContext printer) { StartPage(printer); }
void EndPrintPage(DrawingContext printer) { EndPage(printer); }

void SetTransparentBackground(DrawingContext context) { SetBkMode(context, TRANSPARENT); }

void SetTextAlignment(DrawingContext context, TextAlignment alignment) {
  SetTextAlign(context, alignment);
}

void OutputText(DrawingContext context, int x, int y, const char *text, int length) {
  TextOutA(context, x, y, text, length);
}

void OutputTabbedText(DrawingContext context, int x, int y, const char *text, int length,
                      const int *tabStops, int tabCount, int tabOrigin) {
  TabbedTextOutA(context, x, y, text, length, tabCount, tabStops, tabOrigin);
}
