#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include "platform/printer.h"
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
// The structures are passed with the build's own sizes: a fixed number
// fits only one of the builds, and the dialog refuses a size it does not
// expect. On the 32-bit release they are the documented 66 and 20 bytes.
#if defined(__i386__)
static_assert(sizeof(PRINTDLGW) == 66 && sizeof(DOCINFOA) == 20,
              "the 32-bit structures have their documented sizes");
#endif

namespace {

// The common dialog library is loaded when first needed, from the system
// directory: imported, it and the libraries it needs would be loaded at
// start-up, before the program restricts where libraries are looked for,
// and could come from the disc. Its wide form is used: a printer's name
// need not fit the ANSI code page, and the blocks it fills are wide too.
HMODULE PrintDialogLibrary() {
  static const HMODULE library = LoadSystemLibrary("comdlg32.dll");
  return library;
}

}  // namespace

int ShowPrintDialog(PrintSettings &settings) {
  PRINTDLGW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = settings.owner;
  dialog.hDevMode = settings.deviceMode;
  dialog.hDevNames = settings.deviceNames;
  dialog.Flags = settings.flags;
  auto printDialog = FindFunction<decltype(&PrintDlgW)>(PrintDialogLibrary(), "PrintDlgW");
  auto error =
      FindFunction<decltype(&CommDlgExtendedError)>(PrintDialogLibrary(), "CommDlgExtendedError");
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

DrawingContext CreatePrinterContext(PrintBlock deviceNames, PrintBlock deviceMode) {
  const auto *names = static_cast<const DEVNAMES *>(GlobalLock(deviceNames));
  if (names == nullptr) return nullptr;
  const auto *mode =
      deviceMode != nullptr ? static_cast<const DEVMODEW *>(GlobalLock(deviceMode)) : nullptr;
  // The wide dialog's blocks: the three names lie at the offsets the header
  // gives, counted in wide characters.
  const wchar_t *base = reinterpret_cast<const wchar_t *>(names);
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

bool StartPrintDocument(DrawingContext printer, const char *documentName) {
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName;
  return StartDocA(printer, &document) > 0;
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
