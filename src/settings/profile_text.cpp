#include "settings/profile_text.h"

#include "text/bounded.h"

namespace {

std::string Trimmed(const std::string &text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<std::string> SplitProfileLines(const std::string &text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

bool IsProfileSection(const std::string &line, std::string *name) {
  std::string text = Trimmed(line);
  if (text.size() < 2 || text.front() != '[') return false;
  size_t close = text.find(']');
  if (close == std::string::npos) return false;
  *name = Trimmed(text.substr(1, close - 1));
  return true;
}

bool IsProfileKey(const std::string &line, std::string *name, std::string *value) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  *name = Trimmed(line.substr(0, equals));
  *value = Trimmed(line.substr(equals + 1));
  return !name->empty() && (*name)[0] != ';';
}

std::string ProfileValueText(const std::string &value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

unsigned ProfileNumber(const std::string &value, unsigned absent) {
  const std::string text = value.substr(0, 29);  // the service reads it into 30 characters
  if (text.empty()) return absent;
  size_t at = 0;
  while (at < text.size() && static_cast<unsigned char>(text[at]) <= ' ') ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  unsigned base = 10;
  if (text.compare(at, 2, "0x") == 0) base = 16;
  if (text.compare(at, 2, "0o") == 0) base = 8;
  if (text.compare(at, 2, "0b") == 0) base = 2;
  if (base != 10) at += 2;
  unsigned number = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    unsigned digit = 36;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'z') digit = static_cast<unsigned>(c - 'a') + 10;
    if (c >= 'A' && c <= 'Z') digit = static_cast<unsigned>(c - 'A') + 10;
    if (digit >= base) break;
    number = number * base + digit;
  }
  return negative ? 0u - number : number;
}

int FindProfileSection(const std::vector<std::string> &lines, const char *section) {
  std::string name;
  for (size_t i = 0; i < lines.size(); ++i)
    if (IsProfileSection(lines[i], &name) && EqualsIgnoringCase(name.c_str(), section))
      return static_cast<int>(i);
  return -1;
}

int FindProfileKey(const std::vector<std::string> &lines, const char *section, const char *key,
                   int *sectionEnd, std::string *value) {
  bool inSection = false;
  *sectionEnd = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    std::string text;
    if (IsProfileSection(lines[i], &name)) {
      // The section ends at the next header: a later one of the same name
      // is not looked into.
      if (*sectionEnd >= 0) return -1;
      inSection = EqualsIgnoringCase(name.c_str(), section);
      if (inSection) *sectionEnd = static_cast<int>(i) + 1;
    } else if (inSection && IsProfileKey(lines[i], &name, &text)) {
      *sectionEnd = static_cast<int>(i) + 1;
      if (EqualsIgnoringCase(name.c_str(), key)) {
        *value = text;
        return static_cast<int>(i);
      }
    }
  }
  return -1;
}
