#include "text/bounded.h"

#include <cstdio>
#include <cstring>

int CopyText(char *dest, int capacity, const char *source) {
  if (dest == nullptr || capacity <= 0) return 0;
  int length = 0;
  if (source != nullptr) {
    while (length < capacity - 1 && source[length] != '\0') {
      dest[length] = source[length];
      ++length;
    }
  }
  dest[length] = '\0';
  return length;
}

int AppendText(char *dest, int capacity, const char *source) {
  if (dest == nullptr || capacity <= 0) return 0;
  int used = static_cast<int>(strnlen(dest, static_cast<size_t>(capacity)));
  if (used >= capacity) {  // an unterminated buffer is repaired, not overrun
    dest[capacity - 1] = '\0';
    return capacity - 1;
  }
  return used + CopyText(dest + used, capacity - used, source);
}

int FormatTextV(char *dest, int capacity, const char *format, va_list args) {
  if (dest == nullptr || capacity <= 0) return 0;
#ifdef _WIN32
  // Windows' own C library formats the few conversions the program uses
  // (%s, %d, %c, %02X); the C99 formatting of the compiler's runtime (some
  // 25 KB) stays out of the binaries.
  const int wanted = _vsnprintf(dest, static_cast<size_t>(capacity), format, args);
#else
  const int wanted = vsnprintf(dest, static_cast<size_t>(capacity), format, args);
#endif
  if (wanted >= 0 && wanted < capacity) return wanted;
  // Cut: Windows' own C library leaves such a text without its terminator
  // and returns -1.
  dest[capacity - 1] = '\0';
  return static_cast<int>(strlen(dest));
}

int FormatText(char *dest, int capacity, const char *format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatTextV(dest, capacity, format, args);
  va_end(args);
  return length;
}

bool FitsIn(int capacity, const char *text) {
  return text != nullptr && capacity > 0 &&
         strnlen(text, static_cast<size_t>(capacity)) < static_cast<size_t>(capacity);
}

static char FoldLetter(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(const char *left, const char *right) {
  if (left == nullptr || right == nullptr) return false;
  while (*left != '\0' && FoldLetter(*left) == FoldLetter(*right)) {
    ++left;
    ++right;
  }
  return FoldLetter(*left) == FoldLetter(*right);
}
