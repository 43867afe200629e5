#include <algorithm>
#include <cstdint>

#include "fake_printer.h"
#include "text/bounded.h"

namespace {

struct Block {
  bool names;  // device names, else device mode
  int device;
  bool landscape;
  bool defaultMark;  // names of the printer that was the default when chosen
};

struct Context {
  bool printer;
  int device;
  bool landscape;
  FontHandle font;
  unsigned alignment;
  bool documentOpen;
  bool pageOpen;
};

FakePrinting printing;
std::map<std::uintptr_t, Block> blocks;
std::map<std::uintptr_t, Context> contexts;
std::map<std::uintptr_t, FontDescription> fonts;
std::uintptr_t lastId = 0x1000;

// The font every context starts with; no program made it.
const FontHandle kStockFont = reinterpret_cast<FontHandle>(std::uintptr_t{0xF00});

std::uintptr_t Id(const void *handle) { return reinterpret_cast<std::uintptr_t>(handle); }

void Fault(const std::string &what) { printing.faults.push_back(what); }

template <typename Table>
std::uintptr_t Add(Table &table, const typename Table::mapped_type &value) {
  table[++lastId] = value;
  return lastId;
}

Context *ContextOf(DrawingContext handle) {
  auto found = contexts.find(Id(handle));
  if (found != contexts.end()) return &found->second;
  Fault("unknown drawing context");
  return nullptr;
}

PrintBlock NewBlock() { return reinterpret_cast<PrintBlock>(Add(blocks, Block{})); }

// Sets the settings' blocks to the device, reusing blocks they hold; the
// names are marked when the device is the default printer, as the system's
// dialog marks them.
void Describe(PrintSettings &settings, int device, bool landscape) {
  if (settings.deviceNames == nullptr) settings.deviceNames = NewBlock();
  if (settings.deviceMode == nullptr) settings.deviceMode = NewBlock();
  blocks[Id(settings.deviceNames)] = Block{true, device, false, device == printing.defaultPrinter};
  blocks[Id(settings.deviceMode)] = Block{false, device, landscape, false};
}

// Why the set-up dialog refuses the choice the settings hold, as the
// system's refuses it; 0 when it takes it.
unsigned long RefusalOfChoice(const PrintSettings &settings) {
  if (settings.deviceNames == nullptr) return 0;
  const Block &names = blocks[Id(settings.deviceNames)];
  if (printing.printers.at(names.device).gone) return kPrintErrorPrinterNotFound;
  if (names.defaultMark && names.device != printing.defaultPrinter) return 0x100C;
  return 0;
}

}  // namespace

FakePrinting &Printing() { return printing; }

void ResetFakePrinting() {
  printing = FakePrinting();
  blocks.clear();
  contexts.clear();
  fonts.clear();
}

int LivePrintBlocks() { return static_cast<int>(blocks.size()); }
int LiveDrawingContexts() { return static_cast<int>(contexts.size()); }
int LiveFonts() { return static_cast<int>(fonts.size()); }

bool MarkedAsDefaultPrinter(PrintBlock deviceNames) { return blocks[Id(deviceNames)].defaultMark; }

int ShowPrintDialog(PrintSettings &settings) {
  printing.dialogs.push_back(settings);
  settings.error = 0;
  if ((settings.flags & kPrintDialogReturnDefault) != 0) {
    printing.calls.push_back("print dialog (default printer)");
    // The system refuses a default lookup on settings that hold blocks.
    if (settings.deviceMode != nullptr || settings.deviceNames != nullptr) {
      Fault("default lookup on settings holding blocks");
      return 0;
    }
    if (printing.defaultPrinter < 0) {
      settings.error = 0x1008;  // no default printer
      return 0;
    }
    Describe(settings, printing.defaultPrinter, false);
    return 1;
  }
  printing.calls.push_back("print dialog (set-up)");
  settings.error = RefusalOfChoice(settings);
  if (settings.error != 0 || !printing.setupConfirms) return 0;
  Describe(settings, printing.setupChoice, printing.setupLandscape);
  return 1;
}

void ClearDefaultPrinterMark(PrintBlock deviceNames) {
  if (deviceNames == nullptr) return;
  printing.calls.push_back("clear default mark");
  auto found = blocks.find(Id(deviceNames));
  if (found == blocks.end() || !found->second.names)
    Fault("default mark cleared on a block that holds no names");
  else
    found->second.defaultMark = false;
}

void ReleasePrintBlock(PrintBlock block) {
  if (block == nullptr) return;
  printing.calls.push_back("release block");
  if (blocks.erase(Id(block)) == 0) Fault("release of a block not allocated");
}

PrinterNames ReadPrinterNames(PrintBlock deviceNames) {
  PrinterNames names = {};
  auto found = blocks.find(Id(deviceNames));
  if (found == blocks.end() || !found->second.names) {
    Fault("names read from a block that holds none");
    return names;
  }
  const FakePrinterDevice &device = printing.printers.at(found->second.device);
  CopyText(names.printer, kPrinterNameCapacity, device.device.c_str());
  CopyText(names.driver, kPrinterNameCapacity, device.driver.c_str());
  CopyText(names.port, kPrinterNameCapacity, device.port.c_str());
  return names;
}

// The Save dialog, which only a printer that writes a file asks.
bool AskForFileToSave(WindowHandle owner, const SaveFileQuestion &question, WidePath &chosen) {
  printing.calls.push_back("save dialog");
  printing.saveQuestions.push_back(
      {owner, question.title, question.typeName, question.extension, question.fileName});
  if (printing.whileChoosingFile) printing.whileChoosingFile();
  chosen.text[0] = L'\0';
  if (!printing.fileSaveConfirms) return false;
  if (printing.fileChosen.size() >= kWidePathCapacity) Fault("chosen path beyond the capacity");
  printing.fileChosen.copy(chosen.text, kWidePathCapacity - 1);
  chosen.text[std::min<size_t>(printing.fileChosen.size(), kWidePathCapacity - 1)] = L'\0';
  return true;
}

DrawingContext CreatePrinterContext(PrintBlock deviceNames, PrintBlock deviceMode) {
  printing.calls.push_back("printer context");
  auto names = blocks.find(Id(deviceNames));
  auto mode = blocks.find(Id(deviceMode));
  if (names == blocks.end() || !names->second.names ||
      (deviceMode != nullptr && (mode == blocks.end() || mode->second.names))) {
    Fault("printer context from blocks that are not the dialog's");
    return nullptr;
  }
  const int device = names->second.device;
  if (printing.printerContextFails || printing.printers.at(device).gone) return nullptr;
  const bool landscape = deviceMode != nullptr && mode->second.landscape;
  printing.printerContexts.push_back(printing.printers.at(device).device +
                                     (landscape ? " landscape" : ""));
  return reinterpret_cast<DrawingContext>(
      Add(contexts, Context{true, device, landscape, kStockFont, 0, false, false}));
}

void DeletePrinterContext(DrawingContext printer) {
  printing.calls.push_back("delete printer context");
  Context *context = ContextOf(printer);
  if (context == nullptr) return;
  if (context->documentOpen || context->pageOpen) Fault("printer context deleted mid-document");
  contexts.erase(Id(printer));
}

PrinterMetrics ReadPrinterMetrics(DrawingContext printer) {
  printing.calls.push_back("metrics");
  Context *context = ContextOf(printer);
  if (context == nullptr || !context->printer) return {0, 0, 0, 0};
  const FakePrinterDevice &device = printing.printers.at(context->device);
  if (context->landscape)
    return {device.pageHeight, device.pageWidth, device.dotsPerInchY, device.dotsPerInchX};
  return {device.pageWidth, device.pageHeight, device.dotsPerInchX, device.dotsPerInchY};
}

DrawingContext GetWindowContext(WindowHandle window) {
  printing.calls.push_back("screen context");
  printing.screenWindows.push_back(window);
  return reinterpret_cast<DrawingContext>(
      Add(contexts, Context{false, -1, false, kStockFont, 0, false, false}));
}

void ReleaseWindowContext(WindowHandle, DrawingContext screen) {
  printing.calls.push_back("release screen context");
  if (ContextOf(screen) != nullptr) contexts.erase(Id(screen));
}

FontHandle CreateFontFrom(const FontDescription &description) {
  printing.calls.push_back("font " + std::to_string(description.height) + " " +
                           description.faceName);
  if (printing.fontCreationFails) return nullptr;
  return reinterpret_cast<FontHandle>(Add(fonts, description));
}

void DeleteFontHandle(FontHandle font) {
  printing.calls.push_back("delete font");
  for (const auto &context : contexts)
    if (context.second.font == font) Fault("font deleted while selected");
  if (fonts.erase(Id(font)) == 0) Fault("delete of a font not made");
}

FontHandle SelectFontInto(DrawingContext handle, FontHandle font) {
  Context *context = ContextOf(handle);
  if (context == nullptr) return nullptr;
  const char *where = context->printer ? "printer" : "screen";
  if (font == kStockFont) {
    printing.calls.push_back(std::string("restore font into ") + where);
  } else {
    printing.calls.push_back(std::string("select font into ") + where);
    if (fonts.count(Id(font)) == 0) Fault("select of a font not made");
  }
  FontHandle previous = context->font;
  context->font = font;
  return previous;
}

TextSize MeasureTextExtent(DrawingContext handle, const char *, int) {
  printing.calls.push_back("measure");
  Context *context = ContextOf(handle);
  if (context == nullptr) return {0, 0};
  auto font = fonts.find(Id(context->font));
  printing.measuredIn.push_back(font != fonts.end() ? font->second : FontDescription{});
  return printing.screenExtent;
}

bool StartPrintDocument(DrawingContext printer, const char *documentName,
                        const wchar_t *outputFile) {
  printing.calls.push_back("start document");
  printing.documentNames.push_back(documentName);
  printing.documentOutputs.push_back(outputFile != nullptr ? outputFile : L"");
  Context *context = ContextOf(printer);
  if (context == nullptr || printing.documentStartFails) return false;
  context->documentOpen = true;
  return true;
}

void EndPrintDocument(DrawingContext printer) {
  printing.calls.push_back("end document");
  Context *context = ContextOf(printer);
  if (context != nullptr) context->documentOpen = false;
}

void StartPrintPage(DrawingContext printer) {
  printing.calls.push_back("start page");
  Context *context = ContextOf(printer);
  if (context != nullptr) context->pageOpen = true;
}

void EndPrintPage(DrawingContext printer) {
  printing.calls.push_back("end page");
  Context *context = ContextOf(printer);
  if (context != nullptr) context->pageOpen = false;
}

void SetTransparentBackground(DrawingContext printer) {
  printing.calls.push_back("transparent");
  ContextOf(printer);
}

void SetTextAlignment(DrawingContext printer, TextAlignment alignment) {
  Context *context = ContextOf(printer);
  if (context != nullptr) context->alignment = alignment;
}

namespace {

void Record(DrawingContext handle, int x, int y, const char *text, int length, bool tabbed,
            std::vector<int> tabStops, int tabOrigin) {
  Context *context = ContextOf(handle);
  if (context == nullptr) return;
  printing.printed.push_back({std::string(text, static_cast<size_t>(length)), x, y,
                              context->alignment, tabbed, std::move(tabStops), tabOrigin,
                              fonts.count(Id(context->font)) != 0,
                              context->printer && context->pageOpen});
}

}  // namespace

void OutputText(DrawingContext printer, int x, int y, const char *text, int length) {
  Record(printer, x, y, text, length, false, {}, 0);
}

void OutputTabbedText(DrawingContext printer, int x, int y, const char *text, int length,
                      const int *tabStops, int tabCount, int tabOrigin) {
  Record(printer, x, y, text, length, true, std::vector<int>(tabStops, tabStops + tabCount),
         tabOrigin);
}
