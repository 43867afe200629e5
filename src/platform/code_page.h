#pragma once
// The system's ANSI code page, in which every text of the program is spelled.
#include "text/characters.h"

AnsiSpelling SystemTextSpelling();

// Its number (GetACP: 1252 on a Western Windows, 65001 where it is UTF-8).
unsigned SystemCodePage();
