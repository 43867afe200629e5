#pragma once
// Printers that write a file instead of paper. Such a printer asks for the
// file in a dialog of its own, which on 64-bit Windows comes from a process
// of the printing system with no owner and opens behind the backdrop: the
// launcher asks first, in its own dialog, and hands the printer the name.
#include "platform/printer.h"

enum class PrintOutput {
  Printer,      // paper, or wherever the printer itself sends it
  PdfFile,      // a PDF writer
  XpsFile,      // an XPS writer
  PrinterFile,  // the printer's own language, to a file
};

// Where a printer puts a document. A printer on the port FILE: or
// PORTPROMPT: (the PDF and XPS writers of Windows 10 and 11), or XPSPort:
// (the XPS writer of Windows 7), writes a file; its kind follows the driver,
// else the printer's name. Names compare without regard to the case of A-Z.
PrintOutput OutputOf(const PrinterNames &names);

// The file a printer of that kind writes: its extension (without the dot)
// and the string-table text that names what it holds. Null for Printer.
struct OutputFileType {
  PrintOutput output;
  const char *extension;
  int typeNameId;
};
const OutputFileType *OutputFileTypeOf(PrintOutput output);
