#include "ansi_text.h"

namespace vorm {
namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The characters of Windows-1252's bytes 0x80 to 0x9F; 0 where it has none.
const unsigned short kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int Windows1252Byte(unsigned codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<int>(codePoint);
  for (int i = 0; i < 32; ++i)
    if (kWindows1252High[i] != 0 && kWindows1252High[i] == codePoint) return 0x80 + i;
  return -1;
}

bool HasHighBytes(const std::string &text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

int LineOf(const std::string &text, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) line += text[i] == '\n';
  return line;
}

}  // namespace

std::size_t FirstInvalidUtf8(const std::string &text, std::size_t from) {
  unsigned codePoint = 0;
  for (std::size_t at = from; at < text.size();) {
    std::size_t length = Utf8SequenceLength(text.data() + at, text.size() - at, &codePoint);
    if (length == 0) return at;
    at += length;
  }
  return std::string::npos;
}

bool Utf8ToWindows1252(const std::string &utf8, std::string &ansi) {
  ansi.clear();
  bool shown = true;
  unsigned codePoint = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    std::size_t length = Utf8SequenceLength(utf8.data() + at, utf8.size() - at, &codePoint);
    if (length == 0) {  // not reached for valid input; kept safe for any
      length = 1;
      codePoint = 0xFFFD;
    }
    int byte = Windows1252Byte(codePoint);
    shown = shown && byte >= 0;
    ansi += byte >= 0 ? static_cast<char>(byte) : '?';
    at += length;
  }
  return shown;
}

bool DecodeTemplateText(const std::string &bytes, std::string &ansi, std::vector<int> &unshownLines,
                        TemplateError &error) {
  unshownLines.clear();
  const bool marked = bytes.compare(0, 3, kByteOrderMark) == 0;
  const std::size_t start = marked ? 3 : 0;
  const std::size_t invalid = FirstInvalidUtf8(bytes, start);
  if (!marked && (invalid != std::string::npos || !HasHighBytes(bytes))) {
    ansi = bytes;  // ANSI already
    return true;
  }
  if (invalid != std::string::npos) {
    error.line = LineOf(bytes, invalid);
    error.reason = "this line is not UTF-8, although the file starts as UTF-8 (byte-order mark)";
    return false;
  }
  ansi.clear();
  int line = 0;
  for (std::size_t at = start; at <= bytes.size();) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    std::string text = bytes.substr(at, end - at);
    ++line;
    if (HasHighBytes(text)) {
      std::string converted;
      if (!Utf8ToAnsi(text, converted)) unshownLines.push_back(line);
      text = converted;
    }
    ansi += text;
    if (end < bytes.size()) ansi += '\n';
    at = end + 1;
  }
  return true;
}

}  // namespace vorm
