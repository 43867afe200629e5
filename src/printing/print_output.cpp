#include "printing/print_output.h"

#include <initializer_list>

#include "resources/texts.h"
#include "text/bounded.h"

namespace {

const char *const kFilePorts[] = {"FILE:", "PORTPROMPT:", "XPSPort:"};

const OutputFileType kFileTypes[] = {
    {PrintOutput::PdfFile, "pdf", TEXT_PDF_FILE_TYPE},
    {PrintOutput::XpsFile, "xps", TEXT_XPS_FILE_TYPE},
    {PrintOutput::PrinterFile, "prn", TEXT_PRINTER_FILE_TYPE},
};

char UpperAscii(char letter) { return letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter; }

// True when `word`, in capitals, occurs in the name in any case of A-Z.
bool Contains(const char *name, const char *word) {
  for (; *name != '\0'; ++name) {
    int i = 0;
    while (word[i] != '\0' && UpperAscii(name[i]) == word[i]) ++i;
    if (word[i] == '\0') return true;
  }
  return false;
}

}  // namespace

PrintOutput OutputOf(const PrinterNames &names) {
  bool writesFile = false;
  for (const char *port : kFilePorts) writesFile = writesFile || EqualsIgnoringCase(names.port, port);
  if (!writesFile) return PrintOutput::Printer;
  for (const char *name : {names.driver, names.printer}) {
    if (Contains(name, "PDF")) return PrintOutput::PdfFile;
    if (Contains(name, "XPS")) return PrintOutput::XpsFile;
  }
  return PrintOutput::PrinterFile;
}

const OutputFileType *OutputFileTypeOf(PrintOutput output) {
  for (const OutputFileType &type : kFileTypes)
    if (type.output == output) return &type;
  return nullptr;
}
