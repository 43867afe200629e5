#include "printing/print_job.h"

#include <algorithm>
#include <cstring>

#include "platform/cursor.h"
#include "platform/strings.h"
#include "printing/print_setup.h"
#include "resources/texts.h"
#include "text/bounded.h"

namespace {

// The printer of the run's choice, else the default printer. A chosen
// printer that can no longer be opened (removed, renamed, its share gone) is
// forgotten: this job and the later ones go to the default printer.
DrawingContext OpenJobPrinter(WindowHandle owner, PrinterNames &names) {
  DrawingContext printer = GetPrinterDC(RunPrintSettings, owner, names);
  if (printer == nullptr && RunPrintSettings.deviceNames != nullptr) {
    ForgetPrinterChoice(RunPrintSettings);
    printer = GetPrinterDC(RunPrintSettings, owner, names);
  }
  return printer;
}

// Draws each text with its alignment at its place; a tabbed text's tabs move
// on to the page's tab stops.
void DrawPage(const PrintJob &job, const Page &page) {
  int stops[kMaxTabStops];
  const int stopCount = std::clamp(page.tabs.count, 0, kMaxTabStops);
  for (int i = 0; i < stopCount; ++i) stops[i] = PageXOf(job.units, page.tabs.stops[i]);
  const int tabOrigin = PageXOf(job.units, page.tabs.origin);
  for (int i = 0; i < page.count; ++i) {
    const PageText &text = page.texts[i];
    const int x = PageXOf(job.units, text.place.x);
    const int y = LineYOf(job.units, text.place.line);
    const int length = static_cast<int>(strlen(text.text));
    SetTextAlignment(job.printer, text.place.alignment);
    if (text.tabbed)
      OutputTabbedText(job.printer, x, y, text.text, length, stops, stopCount, tabOrigin);
    else
      OutputText(job.printer, x, y, text.text, length);
  }
}

}  // namespace

FontDescription PrintFontDescription(int height) {
  FontDescription font = {};
  font.height = height;
  font.weight = 400;
  font.charSet = 1;  // the system's default character set
  CopyText(font.faceName, kFaceNameCapacity, "Arial");
  return font;
}

int LineUnitOf(int sampleHeight) { return static_cast<int>(sampleHeight * 1.25); }

int ColumnUnitOf(int sampleWidth) {
  return static_cast<int>(sampleWidth / static_cast<double>(sizeof kLayoutSample - 1));
}

int ScaleToPrinter(int length, int dotsPerInch) {
  if (dotsPerInch <= 0) return length;
  return static_cast<int>(static_cast<long long>(length) * dotsPerInch / kLayoutDotsPerInch);
}

DrawingContext GetPrinterDC(PrintSettings settings, WindowHandle owner, PrinterNames &names) {
  const bool lookUpDefault = settings.deviceNames == nullptr;
  if (lookUpDefault) {
    // The lookup refuses settings that already hold a device mode; a mode
    // without names describes no printer anyway.
    settings.deviceMode = nullptr;
    settings.owner = owner;
    settings.flags = kPrintDialogReturnDefault | kPrintDialogNoWarning;
    ShowPrintDialog(settings);
  }
  DrawingContext printer = nullptr;
  if (settings.deviceNames != nullptr)
    printer = CreatePrinterContext(settings.deviceNames, settings.deviceMode);
  if (printer != nullptr) names = ReadPrinterNames(settings.deviceNames);
  if (lookUpDefault) {
    // The lookup's blocks belong to this copy alone: kept, they would leak
    // at every print of the run.
    ReleasePrintBlock(settings.deviceMode);
    ReleasePrintBlock(settings.deviceNames);
  }
  return printer;
}

TextSize MeasureText(WindowHandle window, const char *text, const FontDescription &font) {
  TextSize size = {0, 0};
  if (text[0] == '\0') return size;
  DrawingContext screen = GetWindowContext(window);
  if (screen == nullptr) return size;
  FontHandle created = CreateFontFrom(font);
  FontHandle previous = created != nullptr ? SelectFontInto(screen, created) : nullptr;
  size = MeasureTextExtent(screen, text, static_cast<int>(strlen(text)));
  if (created != nullptr) {
    SelectFontInto(screen, previous);
    DeleteFontHandle(created);
  }
  ReleaseWindowContext(window, screen);
  return size;
}

int OpenPrintJob(WindowHandle owner, PrintJob &job) {
  job = PrintJob{};
  // Opening a printer, and a driver's own dialogs, may take a while: the
  // wait cursor shows until the job has ended.
  job.previousCursor = ShowWaitCursor();
  PrinterNames names = {};
  job.printer = OpenJobPrinter(owner, names);
  if (job.printer == nullptr) {
    RestoreCursor(job.previousCursor);
    return 0;
  }
  job.output = OutputOf(names);
  const PrinterMetrics metrics = ReadPrinterMetrics(job.printer);
  job.units.pageWidth = metrics.pageWidth;
  job.units.pageHeight = metrics.pageHeight;

  // The units come from the print font as laid out for a 600-dpi printer,
  // measured on the screen, and are scaled to this printer like the font.
  FontDescription font = PrintFontDescription(kPrintFontHeight);
  const TextSize sample = MeasureText(owner, kLayoutSample, font);
  job.units.lineUnit = ScaleToPrinter(LineUnitOf(sample.height), metrics.dotsPerInchY);
  job.units.columnUnit = ScaleToPrinter(ColumnUnitOf(sample.width), metrics.dotsPerInchX);

  font.height = ScaleToPrinter(kPrintFontHeight, metrics.dotsPerInchY);
  job.printFont = CreateFontFrom(font);
  // Without the print font the text comes out in the printer's own font.
  if (job.printFont != nullptr) job.previousFont = SelectFontInto(job.printer, job.printFont);
  return 1;
}

int ChooseJobOutput(PrintJob &job, WindowHandle owner, int fileNameId) {
  const OutputFileType *type = OutputFileTypeOf(job.output);
  if (type == nullptr) return 1;
  char title[kPageTextCapacity];
  char typeName[kPageTextCapacity];
  char baseName[kPageTextCapacity];
  char fileName[kPageTextCapacity];
  LoadText(TEXT_SAVE_PRINTED_TITLE, title, kPageTextCapacity);
  LoadText(type->typeNameId, typeName, kPageTextCapacity);
  LoadText(fileNameId, baseName, kPageTextCapacity);
  FormatText(fileName, kPageTextCapacity, "%s.%s", baseName, type->extension);
  // The customer chooses with the arrow; the wait cursor is back for the
  // printing.
  ShowArrowCursor();
  const bool chosen =
      AskForFileToSave(owner, {title, typeName, type->extension, fileName}, job.outputFile);
  ShowWaitCursor();
  if (chosen) return 1;
  ClosePrintJob(job);
  return 0;
}

int PrintPage(PrintJob &job, const Page &page) {
  char documentName[64];
  CopyText(documentName, sizeof documentName, kPrintDocumentName);
  const wchar_t *outputFile = job.outputFile.text[0] != L'\0' ? job.outputFile.text : nullptr;
  if (!StartPrintDocument(job.printer, documentName, outputFile)) {
    ClosePrintJob(job);
    return 0;
  }
  StartPrintPage(job.printer);
  SetTransparentBackground(job.printer);
  DrawPage(job, page);
  EndPrintPage(job.printer);
  EndPrintDocument(job.printer);
  ClosePrintJob(job);
  return 1;
}

void ClosePrintJob(PrintJob &job) {
  if (job.printFont != nullptr) {
    SelectFontInto(job.printer, job.previousFont);
    DeleteFontHandle(job.printFont);
  }
  DeletePrinterContext(job.printer);
  RestoreCursor(job.previousCursor);
  job = PrintJob{};
}
