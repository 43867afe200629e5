#pragma once
// The texts of a template reach the window functions in the ANSI code page of
// the system the engine runs on. Files written in UTF-8 are converted; what
// the code page cannot show becomes "?", and the disc checker names the
// lines where that happened.

#include <cstddef>
#include <string>
#include <vector>

#include "template.h"
#include "text/characters.h"

namespace vorm {

// The system's ANSI code page. Windows asks the system; elsewhere (the disc
// checker's native build, the unit tests) it is Windows-1252, the code page
// of the English systems the disc's screens are shown on.
//   Utf8ToAnsi: converts valid UTF-8; false when some character could not be
//     shown and was written as "?".
//   SystemSpelling: how that code page spells its characters (one byte
//     each away from Windows).
bool Utf8ToAnsi(const std::string &utf8, std::string &ansi);
AnsiSpelling SystemSpelling();

// The offset of the first byte that does not belong to a valid UTF-8
// sequence (overlong forms, surrogates and values above U+10FFFF are not
// valid), or npos when all of it is valid.
std::size_t FirstInvalidUtf8(const std::string &text, std::size_t from = 0);

// Windows-1252 from valid UTF-8, the portable side of Utf8ToAnsi.
bool Utf8ToWindows1252(const std::string &utf8, std::string &ansi);

// The text of a template file in the ANSI code page. A file that starts with
// the UTF-8 byte-order mark, or is valid UTF-8 and holds bytes of 0x80 and
// above, is read as UTF-8 (and must then be valid throughout); any other file
// is taken as ANSI already. `unshownLines` receives the lines (from 1) that
// held characters the code page cannot show.
bool DecodeTemplateText(const std::string &bytes, std::string &ansi, std::vector<int> &unshownLines,
                        TemplateError &error);

}  // namespace vorm
