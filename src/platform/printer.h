#pragma once
// Printing: the print dialog, drawing contexts of printers and of the
// screen, fonts, documents and pages, and text output. The handles are
// opaque to the portable code and are the Win32 ones (HDC, HFONT, HGLOBAL),
// so the window code and the Win32 layer pass them through unchanged.
#include "platform/window_handle.h"

struct HDC__;
struct HFONT__;
using DrawingContext = HDC__ *;
using FontHandle = HFONT__ *;
// A block the print dialog allocates: the chosen printer's device mode
// (paper, orientation and the like) or its driver, device and port names.
using PrintBlock = void *;

// Print dialog flags, with the values of the Win32 PD_ flags.
enum PrintDialogFlag : unsigned long {
  kPrintDialogSetup = 0x40,           // the print set-up form
  kPrintDialogNoWarning = 0x80,       // no system box when there is no default printer
  kPrintDialogReturnDefault = 0x400,  // describe the default printer, show nothing
};

// Why a print dialog call failed, with the values of the Win32 PDERR_ codes.
enum PrintDialogError : unsigned long {
  kPrintDialogCancelled = 0,               // no error: the customer cancelled
  kPrintErrorNamesModeMismatch = 0x1009,   // the two blocks describe different printers
  kPrintErrorPrinterNotFound = 0x100B,     // the printer the blocks name is not installed
};

// What the print dialog reads and writes. The dialog stores the chosen
// printer in the two blocks; they belong to whoever holds the settings.
struct PrintSettings {
  WindowHandle owner;
  PrintBlock deviceMode;
  PrintBlock deviceNames;
  unsigned long flags;
  unsigned long error;  // why the last dialog call failed (a PrintDialogError)
};

// Shows the print dialog (or, with kPrintDialogReturnDefault, only looks up
// the default printer) on the settings. Non-zero when the customer
// confirmed, or when the default printer was described; else 0 with the
// reason in settings.error.
int ShowPrintDialog(PrintSettings &settings);

// Frees a block the print dialog allocated; a null block is ignored.
void ReleasePrintBlock(PrintBlock block);

// Takes from a device-names block the mark that its printer is the system's
// default: a choice so marked is refused by the dialog once the system's
// default printer changes. A null block is ignored.
void ClearDefaultPrinterMark(PrintBlock deviceNames);

// A printer's names, in UTF-8 (they need not fit the ANSI code page), each
// cut to its capacity.
constexpr int kPrinterNameCapacity = 256;
struct PrinterNames {
  char printer[kPrinterNameCapacity];  // as the customer sees it
  char driver[kPrinterNameCapacity];   // empty when the spooler does not say
  char port[kPrinterNameCapacity];
};

// The names of the printer that a device-names block describes.
PrinterNames ReadPrinterNames(PrintBlock deviceNames);

// A drawing context of the printer named by the device-names block, with
// the device mode (may be null: the printer's own defaults). Null when the
// printer cannot be opened. The names may lie outside the ANSI code page.
DrawingContext CreatePrinterContext(PrintBlock deviceNames, PrintBlock deviceMode);
void DeletePrinterContext(DrawingContext printer);

// The printable area in device pixels and the device's dots per inch.
struct PrinterMetrics {
  int pageWidth;
  int pageHeight;
  int dotsPerInchX;
  int dotsPerInchY;
};
PrinterMetrics ReadPrinterMetrics(DrawingContext printer);

// The screen's drawing context for a window (the whole screen for a null
// window), released with ReleaseWindowContext.
DrawingContext GetWindowContext(WindowHandle window);
void ReleaseWindowContext(WindowHandle window, DrawingContext screen);

// A logical font, field for field the Win32 LOGFONTA.
constexpr int kFaceNameCapacity = 32;
struct FontDescription {
  int height;  // negative: the height of the characters, not of the cell
  int width;
  int escapement;
  int orientation;
  int weight;
  unsigned char italic;
  unsigned char underline;
  unsigned char strikeOut;
  unsigned char charSet;
  unsigned char outPrecision;
  unsigned char clipPrecision;
  unsigned char quality;
  unsigned char pitchAndFamily;
  char faceName[kFaceNameCapacity];
};

// Null when the font cannot be made.
FontHandle CreateFontFrom(const FontDescription &description);
void DeleteFontHandle(FontHandle font);
// Selects the font into the context and returns the one it replaced.
FontHandle SelectFontInto(DrawingContext context, FontHandle font);

struct TextSize {
  int width;
  int height;
};
// The extent of `length` bytes of text in the context's current font.
TextSize MeasureTextExtent(DrawingContext context, const char *text, int length);

// A document of the printing system, named as the print queue shows it,
// written to `outputFile` (nullptr: wherever the printer puts it). The
// printing system's own windows (a driver's dialog, from a process of its
// own on 64-bit Windows) may come to the front. False when it could not
// start (the customer cancelled a driver's dialog, the printer is offline):
// nothing of it may then be printed or ended.
bool StartPrintDocument(DrawingContext printer, const char *documentName,
                        const wchar_t *outputFile);
void EndPrintDocument(DrawingContext printer);
void StartPrintPage(DrawingContext printer);
void EndPrintPage(DrawingContext printer);

// Text is drawn without filling its background.
void SetTransparentBackground(DrawingContext context);

// Where a text stands relative to its point, with the values of the Win32
// TA_ flags; the top of the text is at the point's y in all three.
enum TextAlignment : unsigned {
  kAlignLeft = 0,    // left edge at x
  kAlignRight = 2,   // right edge at x
  kAlignCentre = 6,  // centred on x
};
void SetTextAlignment(DrawingContext context, TextAlignment alignment);

// Draws `length` bytes of text at (x, y) under the current alignment.
void OutputText(DrawingContext context, int x, int y, const char *text, int length);

// Draws a text whose tab characters move on to the next of the tab stops;
// the stops are measured from tabOrigin.
void OutputTabbedText(DrawingContext context, int x, int y, const char *text, int length,
                      const int *tabStops, int tabCount, int tabOrigin);
