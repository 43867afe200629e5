// The ANSI code page away from Windows: Windows-1252, which has no
// double-byte characters.
#include "ansi_text.h"

namespace vorm {

bool Utf8ToAnsi(const std::string &utf8, std::string &ansi) { return Utf8ToWindows1252(utf8, ansi); }

AnsiSpelling SystemSpelling() { return AnsiSpelling{}; }

}  // namespace vorm
