#pragma once
// The one-page print job shared by the printed forms: the printer device
// context, the print font and the two layout units every printed position
// is given in.
#include "platform/cursor.h"
#include "platform/printer.h"

// The layout sample, measured in the print font to find the units.
constexpr char kLayoutSample[] = "AaBbCcXxYyZz";
// The print font's character height in device units of a printer of
// kLayoutDotsPerInch; other printers get it scaled to their resolution.
constexpr int kPrintFontHeight = -88;
constexpr int kLayoutDotsPerInch = 600;
// The document name the print queue shows.
constexpr char kPrintDocumentName[] = "Print Document";

// The print font (Arial, normal weight, the default character set) with the
// given height.
FontDescription PrintFontDescription(int height);

// The line unit: the sample's height times 1.25, truncated.
int LineUnitOf(int sampleHeight);
// The column unit: the sample's width over its 12 characters, truncated.
int ColumnUnitOf(int sampleWidth);
// A length laid out for kLayoutDotsPerInch, scaled to a printer of
// `dotsPerInch` (truncated toward zero), so the page keeps its physical
// size on every printer. A printer that reports no resolution keeps it.
int ScaleToPrinter(int length, int dotsPerInch);

// An open print job.
struct PrintJob {
  DrawingContext printer;  // owned by the job
  int pageWidth;           // printable area, device pixels
  int pageHeight;
  int lineUnit;
  int columnUnit;
  FontHandle printFont;     // null when it could not be made; owned by the job
  FontHandle previousFont;  // what the print font replaced in the printer context
  CursorHandle previousCursor;  // shown again when the job ends
};

// A printer device context from the settings, which the function takes as
// its own copy: with no printer chosen it looks up the system's default
// printer (and releases what that lookup allocated). Null when there is no
// printer or it cannot be opened.
DrawingContext GetPrinterDC(PrintSettings settings, WindowHandle owner);

// The text's extent in the font on the screen of `window`; 0 x 0 for an
// empty text, without touching the screen.
TextSize MeasureText(WindowHandle window, const char *text, const FontDescription &font);

// Opens a one-page job on the printer of the run-wide print settings (else,
// or when it has gone, the default printer): document "Print Document", its
// page started, the print font selected, text drawn transparently, the wait
// cursor showing. Returns 1, or 0 when no printer context could be had or
// the document did not start (nothing printed, nothing shown, everything
// released).
int BeginPrintJob(WindowHandle owner, PrintJob &job);

// Ends the page and the document, releases the job's font and context and
// shows the cursor from before the job.
void EndPrintJob(PrintJob &job);
