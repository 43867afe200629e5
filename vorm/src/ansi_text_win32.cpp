// The system's own ANSI code page.
#include <windows.h>

#include <vector>

#include "ansi_text.h"

namespace vorm {

bool Utf8ToAnsi(const std::string &utf8, std::string &ansi) {
  ansi.clear();
  if (utf8.empty()) return true;
  // A system set to use UTF-8 as its ANSI code page shows the text as it is
  // (and would refuse the flags below).
  if (GetACP() == CP_UTF8) {
    ansi = utf8;
    return true;
  }
  const int size = static_cast<int>(utf8.size());
  const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (wideLength <= 0) return false;
  std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wideLength);
  // No "best fit" look-alikes: a character the code page lacks becomes "?".
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                         nullptr, 0, "?", &usedDefault);
  if (length <= 0) return false;
  ansi.assign(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, &ansi[0], length, "?",
                      &usedDefault);
  return usedDefault == FALSE;
}

namespace {
bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }
}  // namespace

AnsiSpelling SystemSpelling() { return AnsiSpelling{GetACP() == CP_UTF8, IsLeadByte}; }

}  // namespace vorm
