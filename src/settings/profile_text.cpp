#include "settings/profile_text.h"

#include <fstream>

#include "text/bounded.h"

namespace {

std::string Trimmed(const std::string &text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<std::string> ReadProfileLines(const char *path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
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
