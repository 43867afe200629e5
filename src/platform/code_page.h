#pragma once
// The system's ANSI code page, in which every text of the program is spelled.
#include "text/characters.h"

AnsiSpelling SystemTextSpelling();
