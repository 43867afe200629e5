#include "text/characters.h"

#include <cstring>

#include "text/bounded.h"

std::size_t Utf8SequenceLength(const char *at, std::size_t available, unsigned *codePoint) {
  if (at == nullptr || available == 0) return 0;
  const unsigned char first = static_cast<unsigned char>(at[0]);
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (first < 0x80) {
    length = 1;
  } else if (first >= 0xC2 && first <= 0xDF) {
    length = 2;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3;
    if (first == 0xE0) low = 0xA0;   // no overlong forms
    if (first == 0xED) high = 0x9F;  // no surrogates
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4;
    if (first == 0xF0) low = 0x90;
    if (first == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (length > available) return 0;
  unsigned value = length == 1 ? first : first & (0xFFu >> (length + 1));
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(at[k]);
    if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (codePoint != nullptr) *codePoint = value;
  return length;
}

std::size_t CharacterLength(const char *at, const AnsiSpelling &spelling) {
  const unsigned char first = static_cast<unsigned char>(*at);
  if (first == 0) return 0;
  if (spelling.utf8) {
    const std::size_t length = Utf8SequenceLength(at, strnlen(at, 4), nullptr);
    return length != 0 ? length : 1;
  }
  if (spelling.isLeadByte == nullptr || !spelling.isLeadByte(first)) return 1;
  return at[1] != '\0' ? 2 : 0;
}

std::size_t CutLength(const char *text, std::size_t capacity, const AnsiSpelling &spelling) {
  if (text == nullptr || capacity == 0) return 0;
  std::size_t length = 0;
  for (;;) {
    const std::size_t next = CharacterLength(text + length, spelling);
    if (next == 0 || length + next >= capacity) return length;
    length += next;
  }
}

int LastSeparator(const char *text, const char *separators, const AnsiSpelling &spelling,
                  int from) {
  int found = -1;
  if (text == nullptr) return found;
  for (int at = 0;;) {
    const std::size_t length = CharacterLength(text + at, spelling);
    if (length == 0) return found;
    if (length == 1 && at >= from && strchr(separators, text[at]) != nullptr) found = at;
    at += static_cast<int>(length);
  }
}

bool JoinPath(char *dest, std::size_t capacity, const char *folder, const char *name,
              const AnsiSpelling &spelling) {
  if (capacity == 0) return false;
  dest[0] = '\0';
  const std::size_t folderLength = strlen(folder);
  const bool endsInSeparator =
      folderLength > 0 &&
      LastSeparator(folder, "\\", spelling) == static_cast<int>(folderLength) - 1;
  const char *separator = endsInSeparator ? "" : "\\";
  if (folderLength + strlen(separator) + strlen(name) >= capacity) return false;
  const int size = static_cast<int>(capacity);
  CopyText(dest, size, folder);
  AppendText(dest, size, separator);
  AppendText(dest, size, name);
  return true;
}
