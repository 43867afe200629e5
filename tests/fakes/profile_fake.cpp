// A private-profile service over real files, following the rules of the
// Windows one that the program relies on.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "platform/profile.h"
#include "text/bounded.h"

namespace {

std::string Trimmed(const std::string &text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> ReadLines(const char *file) {
  std::vector<std::string> lines;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsSection(const std::string &line, std::string *name) {
  std::string text = Trimmed(line);
  if (text.size() < 2 || text.front() != '[') return false;
  size_t close = text.find(']');
  if (close == std::string::npos) return false;
  *name = Trimmed(text.substr(1, close - 1));
  return true;
}

bool IsKey(const std::string &line, std::string *name, std::string *value) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  *name = Trimmed(line.substr(0, equals));
  *value = Trimmed(line.substr(equals + 1));
  return !name->empty() && (*name)[0] != ';';
}

// Index of the key's line in the section, or -1; sectionEnd gets the index
// after the section's last key line (-1 when the section is missing).
int FindKey(const std::vector<std::string> &lines, const char *section,
            const char *key, int *sectionEnd, std::string *value) {
  bool inSection = false;
  *sectionEnd = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    std::string text;
    if (IsSection(lines[i], &name)) {
      inSection = EqualsIgnoringCase(name.c_str(), section);
      if (inSection) *sectionEnd = static_cast<int>(i) + 1;
    } else if (inSection && IsKey(lines[i], &name, &text)) {
      *sectionEnd = static_cast<int>(i) + 1;
      if (EqualsIgnoringCase(name.c_str(), key)) {
        *value = text;
        return static_cast<int>(i);
      }
    }
  }
  return -1;
}

std::string Unquoted(const std::string &value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

int ProfileReadString(const char *file, const char *section, const char *key,
                      const char *defaultText, char *dest, int capacity) {
  ++Fake().profileReads;
  int sectionEnd = -1;
  std::string value;
  if (FindKey(ReadLines(file), section, key, &sectionEnd, &value) >= 0)
    return CopyText(dest, capacity, Unquoted(value).c_str());
  std::string fallback = defaultText != nullptr ? defaultText : "";
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  return CopyText(dest, capacity, fallback.c_str());
}

bool ProfileWriteString(const char *file, const char *section, const char *key,
                        const char *value) {
  std::vector<std::string> lines = ReadLines(file);
  int sectionEnd = -1;
  std::string old;
  int at = FindKey(lines, section, key, &sectionEnd, &old);
  std::string entry = std::string(key) + "=" + value;
  if (at >= 0) {
    lines[static_cast<size_t>(at)] = entry;
  } else if (sectionEnd >= 0) {
    lines.insert(lines.begin() + sectionEnd, entry);
  } else {
    lines.push_back(std::string("[") + section + "]");
    lines.push_back(entry);
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const std::string &line : lines) out << line << "\r\n";
  return static_cast<bool>(out);
}

unsigned ProfileReadInt(const char *file, const char *section, const char *key,
                        unsigned defaultValue) {
  int sectionEnd = -1;
  std::string value;
  if (FindKey(ReadLines(file), section, key, &sectionEnd, &value) < 0 || value.empty())
    return defaultValue;
  return static_cast<unsigned>(strtol(value.c_str(), nullptr, 10));
}
