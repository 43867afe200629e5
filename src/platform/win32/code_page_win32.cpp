#include <windows.h>

#include "platform/code_page.h"

namespace {
bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }
}  // namespace

AnsiSpelling SystemTextSpelling() { return AnsiSpelling{GetACP() == CP_UTF8, IsLeadByte}; }

unsigned SystemCodePage() { return GetACP(); }
