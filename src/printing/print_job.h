#pragma once
// The one-page print job shared by the printed forms, in three steps: the
// printer is opened (its context, page, units and font), the form builds its
// page (every text read, the page's shape known), and the page is printed as
// one document.
#include "platform/cursor.h"
#include "platform/printer.h"
#include "platform/save_file.h"
#include "printing/page_layout.h"
#include "printing/print_output.h"

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
  PageUnits units;
  FontHandle printFont;     // null when it could not be made; owned by the job
  FontHandle previousFont;  // what the print font replaced in the printer context
  CursorHandle previousCursor;  // shown again when the job ends
  PrintOutput output;       // where the printer puts the document
  WidePath outputFile;      // the file the customer chose for it; empty: none
};

// A printer device context from the settings, which the function takes as
// its own copy: with no printer chosen it looks up the system's default
// printer (and releases what that lookup allocated). Null when there is no
// printer or it cannot be opened; else `names` are the printer's.
DrawingContext GetPrinterDC(PrintSettings settings, WindowHandle owner, PrinterNames &names);

// The text's extent in the font on the screen of `window`; 0 x 0 for an
// empty text, without touching the screen.
TextSize MeasureText(WindowHandle window, const char *text, const FontDescription &font);

// Opens the printer of the run-wide print settings (else, or when it has
// gone, the default printer): its context, its page and the layout units,
// the print font selected, the wait cursor showing. Returns 1, or 0 when no
// printer context could be had (nothing started, nothing shown).
int OpenPrintJob(WindowHandle owner, PrintJob &job);

// Between opening the job and printing its page: a printer that writes a
// file asks for it here, in the launcher's own Save dialog owned by `owner`,
// suggesting the text `fileNameId` with the extension of the printer's kind
// of file in the customer's Documents folder. Returns 1 when the page may be
// printed (by the printer, or to the chosen file); 0 when the customer
// cancelled: the job is closed, nothing printed and nothing shown.
int ChooseJobOutput(PrintJob &job, WindowHandle owner, int fileNameId);

// Prints the page on the open job as document "Print Document" of one page,
// its text drawn transparently, to the file chosen for it if any, then releases the job's font and context and
// shows the cursor from before the job. Returns 1, or 0 when the document
// did not start (nothing printed, everything released).
int PrintPage(PrintJob &job, const Page &page);

// Releases the job's font and context, printing nothing, and shows the
// cursor from before the job.
void ClosePrintJob(PrintJob &job);
